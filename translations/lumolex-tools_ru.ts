<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>lumolex-cli</name>
    <message>
        <source>no article has the ID %1</source>
        <translation>нет статьи с ID %1</translation>
    </message>
    <message>
        <source>the body of article %1 is damaged</source>
        <translation>текст статьи %1 повреждён</translation>
    </message>
    <message>
        <source>the query is empty</source>
        <translation>запрос пуст</translation>
    </message>
    <message>
        <source>cannot read %1: no such file</source>
        <translation>не удаётся прочитать %1: нет такого файла</translation>
    </message>
    <message>
        <source>cannot read %1: not a regular file</source>
        <translation>не удаётся прочитать %1: это не обычный файл</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1 больше %2 байт</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 is not an RTF file</source>
        <translation>%1 — не файл RTF</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <translation>предупреждение: %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message numerus="yes">
        <source>%n words of the card history are in no article: %1</source>
        <translation>
            <numerusform>%n слово истории карточек нет ни в одной статье: %1</numerusform>
            <numerusform>%n слова истории карточек нет ни в одной статье: %1</numerusform>
            <numerusform>%n слов истории карточек нет ни в одной статье: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Reads the data files of LumoLex.

Commands:
  key TEXT         prints the transcription key of TEXT (reads no file)
  list             prints the word list in the program&apos;s order, from the
                   first record or from where the word box lands for --from
                   (its key, then its exact spelling); --dict N (repeatable,
                   or N,M) shows those dictionaries and code 0, as the program
                   does; --count K stops after K records
  show ID          prints the plain text of the article with that ID
  find QUERY       the fast word search of the search panel: prints the found
                   articles in the order of its result list
  fragment TEXT    the fragment search of the search panel: prints the
                   articles whose text contains TEXT in the order they are
                   visited, the word list&apos;s order
                   Both searches compare letters as the program does with
                   &quot;Точное совпадение букв&quot; on: a macron or a special Kildin
                   letter in the query matches only itself; --folded compares
                   every letter by its key (ӈ = н, ӣ = и)
  stats            prints the record count of each table and, per dictionary
                   code, its article count and credited person; it reads all
                   three files
  rtf2text FILE    prints the plain text of an RTF file (a regular file of at
                   most 16 MiB)
  export-cards     prints the card history (the words opened in cards, newest
                   first) as a flash-card deck: a header for plain-text import,
                   then one card a line: headword, the article&apos;s text as HTML,
                   the dictionary as a tag, separated by tabs; --history FILE
                   reads that history file instead of the program&apos;s own

Output:
  UTF-8, one record a line, fields separated by tabs. list, find and
  fragment print three columns: the article&apos;s ID, its dictionary code and
  its headword. stats prints &quot;articles&quot;, &quot;wordforms&quot; and &quot;examples&quot; with
  their counts, then &quot;dict&quot;, the code, its article count and its credited
  person.

Scope of find and fragment:
  Without --dict they search every dictionary (as --all does). With --dict
  N (repeatable, or N,M) they search those dictionaries and code 0, as the
  search panel with &quot;Во всех словарях&quot; unticked. --all and --dict together
  are refused.

Data files:
  Taken from DATA/ beside this program (or, installed, from
  ../share/lumolex/DATA), or from --data DIR. Each command reads only the
  files it uses: list, show and fragment the article file (lumolex.db),
  find also the word-form file (lumoword.db), stats all three. Files built
  with their look-up indexes (lumolex-mkdata writes them) let list, show and
  find read only the rows they need; --load-all reads whole tables instead,
  with the same answers. A problem with a file is reported as FILE: message.

Language:
  Every message, this help included, is in the locale&apos;s language, as the
  window&apos;s interface (LC_ALL, LC_MESSAGES, LANG and LANGUAGE): Russian for
  ru and for the C and POSIX locales, English for any other language. The
  records on standard output are the same in every language.

Exit status:
  0  success
  1  not found: no such article, an empty list, nothing found
  2  error: an unknown option or command, bad arguments, missing or
     unreadable files</source>
        <translation>Читает файлы данных Лумолекса.

Команды:
  key ТЕКСТ        печатает ключ транскрипции ТЕКСТА (файлов не читает)
  list             печатает список слов в порядке программы, с первой записи
                   или с места, куда встаёт поле слова для --from (по ключу,
                   затем по точному написанию); --dict N (можно повторять,
                   или N,M) показывает эти словари и код 0, как программа;
                   --count K останавливает печать после K записей
  show ID          печатает простой текст статьи с этим ID
  find ЗАПРОС      быстрый поиск слова панели поиска: печатает найденные
                   статьи в порядке её списка результатов
  fragment ТЕКСТ   поиск фрагмента панели поиска: печатает статьи, в тексте
                   которых есть ТЕКСТ, в порядке их просмотра, то есть
                   в порядке списка слов
                   Оба поиска сравнивают буквы, как программа с включённым
                   «Точное совпадение букв»: макрон или особая кильдинская
                   буква в запросе совпадает только сама с собой; --folded
                   сравнивает каждую букву по её ключу (ӈ = н, ӣ = и)
  stats            печатает число записей каждой таблицы, а для каждого
                   кода словаря число его статей и автора; читает все
                   три файла
  rtf2text ФАЙЛ    печатает простой текст файла RTF (обычного файла размером
                   не больше 16 МиБ)
  export-cards     печатает историю карточек (слова, открытые в карточках,
                   сначала новые) как набор карточек для повторения: строку
                   заголовка для импорта простого текста, затем по карточке
                   в строке: заголовок, текст статьи в HTML, словарь как
                   метка, через табуляцию; с --history ФАЙЛ историю из ФАЙЛА

Вывод:
  UTF-8, одна запись в строке, поля через табуляцию. list, find и fragment
  печатают три столбца: ID статьи, код её словаря и её заголовок. stats
  печатает «articles», «wordforms» и «examples» с их числом, затем «dict»,
  код, число статей словаря и его автора. Эти слова не переводятся:
  их читают скрипты.

Область поиска find и fragment:
  Без --dict они ищут во всех словарях (как с --all). С --dict N (можно
  повторять, или N,M) они ищут в этих словарях и в коде 0, как панель
  поиска со снятой галочкой «Во всех словарях». --all и --dict вместе
  не принимаются.

Файлы данных:
  Берутся из DATA/ рядом с программой (у установленной программы из
  ../share/lumolex/DATA) или из --data ПАПКА. Каждая команда читает только
  нужные ей файлы: list, show и fragment файл статей (lumolex.db), find
  ещё файл словоформ (lumoword.db), stats все три. По файлам с индексами
  для поиска (их пишет lumolex-mkdata) list, show и find читают только
  нужные строки; --load-all вместо этого читает таблицы целиком, ответы те
  же. Ошибка в файле сообщается как ФАЙЛ: сообщение.

Язык:
  Все сообщения и эта справка на языке локали, как интерфейс окна
  (LC_ALL, LC_MESSAGES, LANG и LANGUAGE): русский для ru и для локалей
  C и POSIX, английский для любого другого языка. Записи на стандартном
  выводе одинаковы на любом языке.

Код завершения:
  0  успех
  1  не найдено: нет такой статьи, пустой список, ничего не найдено
  2  ошибка: неизвестный параметр или команда, неверные аргументы,
     отсутствующие или нечитаемые файлы</translation>
    </message>
    <message>
        <source>Folder of the data files (default: DATA beside the program, else ../share/lumolex/DATA).</source>
        <translation>Папка файлов данных (по умолчанию DATA рядом с программой, иначе ../share/lumolex/DATA).</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>Dictionary code to list or search (list, find, fragment).</source>
        <translation>Код словаря для списка или поиска (list, find, fragment).</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Search every dictionary (find, fragment).</source>
        <translation>Искать во всех словарях (find, fragment).</translation>
    </message>
    <message>
        <source>Compare every letter by its key (find, fragment).</source>
        <translation>Сравнивать каждую букву по её ключу (find, fragment).</translation>
    </message>
    <message>
        <source>Start where the word box lands for this text (list).</source>
        <translation>Начать там, куда для этого текста встаёт поле слова (list).</translation>
    </message>
    <message>
        <source>text</source>
        <translation>текст</translation>
    </message>
    <message>
        <source>Print at most this many records (list).</source>
        <translation>Напечатать не больше стольких записей (list).</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>Card history file to export (export-cards).</source>
        <translation>Файл истории карточек для выгрузки (export-cards).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>Load whole tables, as the program does, instead of reading only the rows a look-up needs through the files&apos; indexes (list, show, find).</source>
        <translation>Загружать таблицы целиком, как программа, а не читать по индексам файлов только нужные поиску строки (list, show, find).</translation>
    </message>
    <message>
        <source>key, list, show, find, fragment, stats, rtf2text or export-cards</source>
        <translation>key, list, show, find, fragment, stats, rtf2text или export-cards</translation>
    </message>
    <message>
        <source>TEXT, ID, QUERY or FILE</source>
        <translation>ТЕКСТ, ID, ЗАПРОС или ФАЙЛ</translation>
    </message>
    <message>
        <source>[argument]</source>
        <translation>[аргумент]</translation>
    </message>
    <message>
        <source>give one command and its argument; see --help</source>
        <translation>укажите одну команду и её аргумент; см. --help</translation>
    </message>
    <message>
        <source>the ID &quot;%1&quot; is not a number</source>
        <translation>ID «%1» — не число</translation>
    </message>
    <message>
        <source>--dict takes dictionary codes (numbers)</source>
        <translation>--dict принимает коды словарей (числа)</translation>
    </message>
    <message>
        <source>give either --all or --dict</source>
        <translation>укажите либо --all, либо --dict</translation>
    </message>
    <message>
        <source>--count takes a number of records</source>
        <translation>--count принимает число записей</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; see --help</source>
        <translation>неизвестная команда «%1»; см. --help</translation>
    </message>
    <message>
        <source>command</source>
        <translation>команда</translation>
    </message>
    <message>
        <source>argument</source>
        <translation>аргумент</translation>
    </message>
</context>
<context>
    <name>lumolex-mkdata</name>
    <message>
        <source>the body is %1 bytes as RTF, more than the %2 bytes the program reads</source>
        <translation>текст статьи в RTF занимает %1 байт, больше, чем программа читает (%2 байт)</translation>
    </message>
    <message>
        <source>the body could not be compressed</source>
        <translation>текст статьи не удалось сжать</translation>
    </message>
    <message>
        <source>the RTF body holds the character U+%1; write it as \uN? or \&apos;hh</source>
        <translation>в тексте статьи в RTF есть символ U+%1; запишите его как \uN? или \&apos;hh</translation>
    </message>
    <message>
        <source>the RTF body is damaged (%1)</source>
        <translation>текст статьи в RTF повреждён (%1)</translation>
    </message>
    <message>
        <source>not a complete RTF document</source>
        <translation>это не полный документ RTF</translation>
    </message>
    <message>
        <source>dictionary %1 is credited twice</source>
        <translation>автор словаря %1 указан дважды</translation>
    </message>
    <message>
        <source>article %1 &quot;%2&quot;: the cross-reference &quot;%3&quot; names no headword of dictionary %4</source>
        <translation>статья %1 «%2»: ссылка «%3» не ведёт ни на один заголовок словаря %4</translation>
    </message>
    <message>
        <source>%1 broken cross-references in all</source>
        <translation>всего битых ссылок: %1</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>не удаётся заменить %1: %2</translation>
    </message>
    <message>
        <source>expected the header line &quot;%1&quot;</source>
        <translation>ожидалась строка заголовков «%1»</translation>
    </message>
    <message>
        <source>expected %1 tab-separated fields, found %2</source>
        <translation>ожидалось полей через табуляцию: %1, найдено: %2</translation>
    </message>
    <message>
        <source>the headword is empty</source>
        <translation>заголовок пуст</translation>
    </message>
    <message>
        <source>the example is empty</source>
        <translation>пример пуст</translation>
    </message>
    <message>
        <source>the headword or the form is empty</source>
        <translation>заголовок или форма пусты</translation>
    </message>
    <message>
        <source>the headword, the tags or the form is empty</source>
        <translation>заголовок, теги или форма пусты</translation>
    </message>
    <message>
        <source>the paradigm is &quot;%1&quot;, not &quot;explicit&quot; or &quot;default&quot;</source>
        <translation>парадигма «%1», а не «explicit» или «default»</translation>
    </message>
    <message>
        <source>Builds the data files of LumoLex (lumolex.db, lumoword.db, lumophra.db).

Commands:
  build    Builds the three files into --out from source lists:
             --articles FILE  article list; each line:
                              code &lt;TAB&gt; headword &lt;TAB&gt; cross-reference &lt;TAB&gt; body
                              (code: the dictionary, a number; cross-reference:
                              a headword of the same dictionary, or empty;
                              body: simple HTML, or RTF starting with {\rtf,
                              or empty for an article without text)
             --examples FILE  speech examples; each line one body
             --forms FILE     inflected forms; each line:
                              headword &lt;TAB&gt; form [&lt;TAB&gt; anything]
             --credits FILE   credited persons; each line:
                              code &lt;TAB&gt; surname and initials [&lt;TAB&gt; source]
           Every option may be given several times. Lines that are blank or
           start with &apos;#&apos; are skipped (a header line must be commented out).
           Every text is stored in Unicode NFC: a letter spelt as a base
           letter with combining marks is stored as the composed letter. IDs are given in source order. The
           word-form index holds the words of every headword and article
           text, and each form under the articles holding its headword.
           --scale N repeats the articles N times in all (with new headwords
           and word forms) to make a large dictionary for benchmarks.
           Bad lines are reported as FILE:LINE: message (the first 20, then
           their count), and then nothing is written; the files are replaced
           only when all three are complete.
  kildin   Converts the Kildin Saami sample sources in --sources (sjd_rus.tsv,
           sjd_rus_kert1986.tsv, rus_sjd.tsv, examples.tsv, forms.tsv,
           paradigms.tsv) into articles.tsv, examples.tsv and forms.tsv in
           --out, ready for build. The paradigms become dictionary 4, one
           article per lemma with its forms tables; tags without a label and
           forms left out are listed after the counts.

Language:
  The messages and this help are in the locale&apos;s language, as the window
  program&apos;s interface (LC_ALL, LC_MESSAGES, LANG and LANGUAGE): Russian for
  ru and for the C and POSIX locales, English for any other language. The
  files written are the same in every language.

Exit status:
  0  success
  1  bad source lines: nothing was written
  2  other errors: an unknown option or command, a file that cannot be read
     or written</source>
        <translation>Собирает файлы данных Лумолекса (lumolex.db, lumoword.db, lumophra.db).

Команды:
  build    Собирает три файла в папку --out из исходных списков:
             --articles ФАЙЛ  список статей; каждая строка:
                              код &lt;TAB&gt; заголовок &lt;TAB&gt; ссылка &lt;TAB&gt; текст
                              (код: словарь, число; ссылка: заголовок того же
                              словаря или пусто; текст: простой HTML, или RTF,
                              начинающийся с {\rtf, или пусто для статьи
                              без текста)
             --examples ФАЙЛ  примеры речи; каждая строка: один текст
             --forms ФАЙЛ     словоформы; каждая строка:
                              заголовок &lt;TAB&gt; форма [&lt;TAB&gt; что угодно]
             --credits ФАЙЛ   авторы; каждая строка:
                              код &lt;TAB&gt; фамилия и инициалы [&lt;TAB&gt; источник]
           Каждый параметр можно дать несколько раз. Пустые строки и строки,
           начинающиеся с &apos;#&apos;, пропускаются (строку заголовков таблицы надо
           закомментировать). Каждый текст хранится в Unicode NFC: буква,
           написанная как основная буква с комбинируемыми знаками, хранится
           составной буквой. ID выдаются в порядке исходных строк. Индекс
           словоформ хранит слова каждого заголовка и текста статьи, а каждую
           форму под статьями с её заголовком. --scale N повторяет статьи
           всего N раз (с новыми заголовками и словоформами), чтобы получить
           большой словарь для замеров скорости. Неверные строки сообщаются
           как ФАЙЛ:СТРОКА: сообщение (первые 20, затем их число), и тогда
           ничего не записывается; файлы заменяются, лишь когда готовы все три.
  kildin   Переводит образцы кильдинских источников из --sources (sjd_rus.tsv,
           sjd_rus_kert1986.tsv, rus_sjd.tsv, examples.tsv, forms.tsv,
           paradigms.tsv) в articles.tsv, examples.tsv и forms.tsv в --out,
           готовые для build. Парадигмы становятся словарём 4: по статье на
           лемму с таблицами её форм; теги без подписи и пропущенные формы
           перечисляются после итогов.

Язык:
  Сообщения и эта справка на языке локали, как интерфейс окна программы
  (LC_ALL, LC_MESSAGES, LANG и LANGUAGE): русский для ru и для локалей
  C и POSIX, английский для любого другого языка. Записанные файлы
  одинаковы на любом языке.

Код завершения:
  0  успех
  1  неверные строки в источниках: ничего не записано
  2  другие ошибки: неизвестный параметр или команда, файл, который
     не удаётся прочитать или записать</translation>
    </message>
    <message>
        <source>Folder to write to.</source>
        <translation>Папка, куда писать.</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>Article list (build).</source>
        <translation>Список статей (build).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>Speech example list (build).</source>
        <translation>Список примеров речи (build).</translation>
    </message>
    <message>
        <source>Inflected form list (build).</source>
        <translation>Список словоформ (build).</translation>
    </message>
    <message>
        <source>Credited persons (build).</source>
        <translation>Авторы словарей (build).</translation>
    </message>
    <message>
        <source>Repeat the articles N times in all (build).</source>
        <translation>Повторить статьи всего N раз (build).</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Folder of the Kildin Saami sources (kildin).</source>
        <translation>Папка кильдинских источников (kildin).</translation>
    </message>
    <message>
        <source>build or kildin</source>
        <translation>build или kildin</translation>
    </message>
    <message>
        <source>--scale takes a number from 1 to %1</source>
        <translation>--scale принимает число от 1 до %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>предупреждение: %1</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>ничего не записано</translation>
    </message>
    <message>
        <source>%1 articles, %2 word forms, %3 examples written to %4 in %5 ms</source>
        <translation>записано в %4 за %5 мс: статей: %1, словоформ: %2, примеров: %3</translation>
    </message>
    <message>
        <source>inflected forms: %1 attached to the headword spelt like their lemma, %2 through the lemma&apos;s key (no headword spelt so); %3 exact spellings kept with their articles</source>
        <translation>словоформы: к заголовку, написанному как их лемма, привязано %1, через ключ леммы (заголовка с таким написанием нет) %2; точных написаний при своих статьях сохранено %3</translation>
    </message>
    <message numerus="yes">
        <source>%n forms of headwords that no article holds left out (first: %1)</source>
        <translation>
            <numerusform>пропущена %n форма заголовков, которых нет ни в одной статье (первая: %1)</numerusform>
            <numerusform>пропущены %n формы заголовков, которых нет ни в одной статье (первая: %1)</numerusform>
            <numerusform>пропущено %n форм заголовков, которых нет ни в одной статье (первая: %1)</numerusform>
        </translation>
    </message>
    <message>
        <source>kildin needs --sources DIR</source>
        <translation>для kildin нужен --sources ПАПКА</translation>
    </message>
    <message>
        <source>nothing was converted</source>
        <translation>ничего не переведено</translation>
    </message>
    <message>
        <source>%1 articles, %2 examples, %3 forms converted</source>
        <translation>переведено статей: %1, примеров: %2, форм: %3</translation>
    </message>
    <message>
        <source>give one command (build or kildin) and --out DIR; see --help</source>
        <translation>укажите одну команду (build или kildin) и --out ПАПКА; см. --help</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; see --help</source>
        <translation>неизвестная команда «%1»; см. --help</translation>
    </message>
    <message>
        <source>forms dictionary: %1 articles (%2 with the translation of the 1985 dictionary, %3 by a default model), %4 forms</source>
        <translation>словарь форм: статей: %1 (с переводом словаря 1985 года: %2, по модели по умолчанию: %3), форм: %4</translation>
    </message>
    <message>
        <source>forms dictionary: all %1 tags labelled</source>
        <translation>словарь форм: подписаны все теги (%1)</translation>
    </message>
    <message>
        <source>%1 (%2 forms)</source>
        <translation>%1 (форм: %2)</translation>
    </message>
    <message>
        <source>forms dictionary: %1 of %2 tags have no label and are shown as spelt: %3</source>
        <translation>словарь форм: тегов без подписи (показаны как написаны): %1 из %2: %3</translation>
    </message>
    <message>
        <source>forms dictionary: %1 forms are no words and are left out: %2</source>
        <translation>словарь форм: пропущено форм, которые не являются словами: %1: %2</translation>
    </message>
    <message>
        <source>... %1 more not listed</source>
        <translation>... ещё не перечислено: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s); %1</source>
        <translation>
            <numerusform>%n ошибка; %1</numerusform>
            <numerusform>%n ошибки; %1</numerusform>
            <numerusform>%n ошибок; %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot read the file: %2</source>
        <translation>%1: не удаётся прочитать файл: %2</translation>
    </message>
    <message>
        <source>the line is not valid UTF-8</source>
        <translation>строка не в кодировке UTF-8</translation>
    </message>
    <message>
        <source>the dictionary code &quot;%1&quot; is not a number from 0 to 2147483647</source>
        <translation>код словаря «%1» — не число от 0 до 2147483647</translation>
    </message>
    <message>
        <source>expected 4 tab-separated fields (dictionary code, headword, cross-reference, body), found %1</source>
        <translation>ожидалось 4 поля через табуляцию (код словаря, заголовок, ссылка, текст), найдено: %1</translation>
    </message>
    <message>
        <source>the headword &quot;%1&quot; is longer than %2 characters</source>
        <translation>заголовок «%1» длиннее %2 знаков</translation>
    </message>
    <message>
        <source>the cross-reference &quot;%1&quot; is longer than %2 characters</source>
        <translation>ссылка «%1» длиннее %2 знаков</translation>
    </message>
    <message>
        <source>expected one field (the example&apos;s body), found %1</source>
        <translation>ожидалось одно поле (текст примера), найдено: %1</translation>
    </message>
    <message>
        <source>expected at least 2 tab-separated fields (headword, form), found %1</source>
        <translation>ожидалось не меньше 2 полей через табуляцию (заголовок, форма), найдено: %1</translation>
    </message>
    <message>
        <source>the headword and the form must not be empty</source>
        <translation>заголовок и форма не должны быть пустыми</translation>
    </message>
    <message>
        <source>expected 2 or 3 tab-separated fields (dictionary code, person, source), found %1</source>
        <translation>ожидалось 2 или 3 поля через табуляцию (код словаря, автор, источник), найдено: %1</translation>
    </message>
    <message>
        <source>the credited person is empty</source>
        <translation>автор не указан</translation>
    </message>
    <message>
        <source>command</source>
        <translation>команда</translation>
    </message>
</context>
</TS>
