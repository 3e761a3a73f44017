<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AboutBox</name>
    <message>
        <source>Версия 3.1</source>
        <translation>Version 3.1</translation>
    </message>
    <message>
        <source>© 2026 Разработчики Лумолекса. GNU GPL 3 или новее</source>
        <translation>© 2026 The LumoLex developers. GNU GPL 3 or later</translation>
    </message>
    <message>
        <source>Словари: GiellaLT (dict-sjd-rus, dict-sjd-mul), CC BY 3.0;
«Формы слов», формы: GiellaLT lang-sjd, GNU GPL 3; см. NOTICE</source>
        <translation>Dictionaries: GiellaLT (dict-sjd-rus, dict-sjd-mul), CC BY 3.0;
&quot;Word forms&quot;, forms: GiellaLT lang-sjd, GNU GPL 3; see NOTICE</translation>
    </message>
    <message>
        <source>Свободно RAM: нет сведений</source>
        <translation>Free RAM: unknown</translation>
    </message>
    <message>
        <source>Свободно RAM: %1 Кб</source>
        <translation>Free RAM: %1 KB</translation>
    </message>
    <message>
        <source>ЛУМОЛЕКС</source>
        <translation>LUMOLEX</translation>
    </message>
</context>
<context>
    <name>BodyDocument</name>
    <message>
        <source>Статья повреждена и не может быть показана.</source>
        <translation>The article is damaged and cannot be shown.</translation>
    </message>
</context>
<context>
    <name>BodyLimits</name>
    <message>
        <source>Статья слишком длинна: показаны первые %1 знаков</source>
        <translation>The article is too long: its first %1 characters are shown</translation>
    </message>
</context>
<context>
    <name>CardExport</name>
    <message>
        <source>Экспорт карточек</source>
        <translation>Export cards</translation>
    </message>
    <message>
        <source>LumoLex-карточки.txt</source>
        <translation>LumoLex-cards.txt</translation>
    </message>
    <message>
        <source>Карточки не записаны в файл
%1
%2</source>
        <translation>The cards were not written to the file
%1
%2</translation>
    </message>
    <message>
        <source>Записано карточек: %1
%2</source>
        <translation>Cards written: %1
%2</translation>
    </message>
    <message>
        <source>
Слов без статьи в словарях (пропущено): %1</source>
        <translation>
Words without an article in the dictionaries (skipped): %1</translation>
    </message>
    <message>
        <source>История карточек пуста: откройте слова в карточках, и их можно будет выгрузить.</source>
        <translation>The card history is empty: open words in cards, and they can be exported.</translation>
    </message>
    <message>
        <source>Текстовые файлы (*.txt);;Все файлы (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
</context>
<context>
    <name>CardPrinter</name>
    <message>
        <source>Печать карточки слова - </source>
        <translation>Word card printing - </translation>
    </message>
    <message>
        <source>Карточка не напечатана: файл «%1» не удалось записать целиком (нет места на диске или нет доступа). Неполный файл удалён.</source>
        <translation>The card was not printed: the file &quot;%1&quot; could not be written whole (no space on the disk or no access). The incomplete file was removed.</translation>
    </message>
    <message>
        <source>Карточка не напечатана: принтер сообщил об ошибке.</source>
        <translation>The card was not printed: the printer reported an error.</translation>
    </message>
</context>
<context>
    <name>CliCommands</name>
    <message>
        <source>Поиск не меньше 2-х символов!</source>
        <translation>Search for at least 2 characters!</translation>
    </message>
</context>
<context>
    <name>Credits</name>
    <message>
        <source>в таблице «credits» неверная запись</source>
        <translation>the table &quot;credits&quot; holds a wrong record</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>это не обычный файл (канал, устройство или сокет)</source>
        <translation>it is not a regular file (a pipe, a device or a socket)</translation>
    </message>
    <message>
        <source>файл не открывается для чтения (%1)</source>
        <translation>the file cannot be opened for reading (%1)</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>это не база данных SQLite</source>
        <translation>it is not an SQLite database</translation>
    </message>
    <message>
        <source>заголовок базы данных повреждён</source>
        <translation>the database header is damaged</translation>
    </message>
    <message>
        <source>файл обрезан: %1 байт вместо %2</source>
        <translation>the file is truncated: %1 bytes instead of %2</translation>
    </message>
    <message>
        <source>файл обрезан или повреждён: его размер (%1 байт) не кратен странице базы (%2 байт)</source>
        <translation>the file is truncated or damaged: its size (%1 bytes) is not a multiple of the database page (%2 bytes)</translation>
    </message>
    <message>
        <source>в файле нет таблицы «%1»</source>
        <translation>the file has no table &quot;%1&quot;</translation>
    </message>
    <message>
        <source>в таблице «%1» столбец %2 называется «%3», а должен называться «%4»</source>
        <translation>in the table &quot;%1&quot; column %2 is called &quot;%3&quot; but must be called &quot;%4&quot;</translation>
    </message>
    <message>
        <source>в таблице «%1» столбец «%2» имеет тип «%3» вместо «%4»</source>
        <translation>in the table &quot;%1&quot; the column &quot;%2&quot; has the type &quot;%3&quot; instead of &quot;%4&quot;</translation>
    </message>
    <message>
        <source>в таблице «%1» нет столбца «%2»</source>
        <translation>the table &quot;%1&quot; has no column &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Файл базы данных %1 не найден</source>
        <translation>The database file %1 was not found</translation>
    </message>
    <message>
        <source>Файл базы данных %1 не удаётся прочитать: %2.
%3</source>
        <translation>The database file %1 cannot be read: %2.
%3</translation>
    </message>
    <message>
        <source>файл не открывается (%1)</source>
        <translation>the file cannot be opened (%1)</translation>
    </message>
    <message>
        <source>файл повреждён (%1)</source>
        <translation>the file is damaged (%1)</translation>
    </message>
    <message>
        <source>не хватает памяти</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>ошибка чтения (%1)</source>
        <translation>read error (%1)</translation>
    </message>
</context>
<context>
    <name>DataLoader</name>
    <message>
        <source>поле %1 пустое</source>
        <translation>the field %1 is empty</translation>
    </message>
    <message>
        <source>поле %1 не целое число</source>
        <translation>the field %1 is not an integer</translation>
    </message>
    <message>
        <source>значение %1 поля %2 вне допустимых пределов</source>
        <translation>the value %1 of the field %2 is out of range</translation>
    </message>
    <message>
        <source>поле %1 не текст</source>
        <translation>the field %1 is not text</translation>
    </message>
    <message>
        <source>поле %1 длиннее %2 символов</source>
        <translation>the field %1 is longer than %2 characters</translation>
    </message>
    <message>
        <source>поле %1 не двоичное</source>
        <translation>the field %1 is not binary</translation>
    </message>
    <message>
        <source>таблица «%1» программы устроена иначе, чем файл</source>
        <translation>the program&apos;s table &quot;%1&quot; is laid out differently from the file</translation>
    </message>
    <message>
        <source>чтение прервано</source>
        <translation>reading was interrupted</translation>
    </message>
    <message>
        <source>запись с ID %1</source>
        <translation>the record with ID %1</translation>
    </message>
    <message>
        <source>запись %1</source>
        <translation>record %1</translation>
    </message>
    <message>
        <source>ID %1 встречается дважды</source>
        <translation>ID %1 occurs twice</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Лумолекс - справка</source>
        <translation>LumoLex - help</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>на диске нет места</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>исчерпана дисковая квота</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>нет прав доступа</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>папка или файл не существует</source>
        <translation>the folder or file does not exist</translation>
    </message>
    <message>
        <source>в пути стоит файл, а не папка</source>
        <translation>a file, not a folder, stands in the path</translation>
    </message>
    <message>
        <source>это папка</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>на этом месте стоит символическая ссылка</source>
        <translation>a symbolic link stands in that place</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>Недоступно в сеансе Wayland: прозрачностью окон управляет композитор, а не программа</source>
        <translation>Not available in a Wayland session: the compositor, not the program, controls window transparency</translation>
    </message>
    <message>
        <source>Недоступно в сеансе Wayland: композитор не позволяет программе держать окно поверх других</source>
        <translation>Not available in a Wayland session: the compositor does not let the program keep its window on top of others</translation>
    </message>
</context>
<context>
    <name>WriteGuard</name>
    <message>
        <source>Сохранение словарной статьи</source>
        <translation>Storing a dictionary article</translation>
    </message>
    <message>
        <source>Пустое значение слова!</source>
        <translation>The word is empty!</translation>
    </message>
    <message>
        <source>Пустое значение транскрипции!</source>
        <translation>The transcription is empty!</translation>
    </message>
</context>
<context>
    <name>lumolex::ArticlePanel</name>
    <message>
        <source>Перевод</source>
        <translation>Translation</translation>
    </message>
    <message>
        <source>Ссылка</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Идти на ссылку</source>
        <translation>Follow the link</translation>
    </message>
    <message>
        <source>Поиск в статье</source>
        <translation>Find in the article</translation>
    </message>
</context>
<context>
    <name>lumolex::CardLink</name>
    <message>
        <source>Словарные карточки</source>
        <translation>Dictionary cards</translation>
    </message>
    <message>
        <source>Закрыть все словарные карточки ?</source>
        <translation>Close all dictionary cards?</translation>
    </message>
    <message>
        <source>Лумолекс</source>
        <translation>LumoLex</translation>
    </message>
</context>
<context>
    <name>lumolex::ColorBox</name>
    <message>
        <source>Цвет</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Другой...</source>
        <translation>Other...</translation>
    </message>
    <message>
        <source>Черный</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Темно-красный</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <source>Зеленый</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Оливковый</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Темно-синий</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>Фиолетовый</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>Сине-зеленый</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>Серый</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>Серебристый</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>Красный</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Салатовый</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>Желтый</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Синий</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Фуксия</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Бирюзовый</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>Белый</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Светло-зеленый</source>
        <translation>Money green</translation>
    </message>
    <message>
        <source>Небесно-голубой</source>
        <translation>Sky blue</translation>
    </message>
    <message>
        <source>Кремовый</source>
        <translation>Cream</translation>
    </message>
    <message>
        <source>Средне-серый</source>
        <translation>Medium grey</translation>
    </message>
    <message>
        <source>Фон окна</source>
        <translation>Window background</translation>
    </message>
    <message>
        <source>Текст окна</source>
        <translation>Window text</translation>
    </message>
    <message>
        <source>Фон поля ввода</source>
        <translation>Input field background</translation>
    </message>
    <message>
        <source>Текст поля ввода</source>
        <translation>Input field text</translation>
    </message>
    <message>
        <source>Кнопка</source>
        <translation>Button</translation>
    </message>
    <message>
        <source>Текст кнопки</source>
        <translation>Button text</translation>
    </message>
    <message>
        <source>Выделение</source>
        <translation>Highlight</translation>
    </message>
    <message>
        <source>Выделенный текст</source>
        <translation>Highlighted text</translation>
    </message>
    <message>
        <source>Фон подсказки</source>
        <translation>Tooltip background</translation>
    </message>
    <message>
        <source>Текст подсказки</source>
        <translation>Tooltip text</translation>
    </message>
</context>
<context>
    <name>lumolex::DictionaryControls</name>
    <message>
        <source>Нет статей этого словаря в данных</source>
        <translation>The data hold no articles of this dictionary</translation>
    </message>
    <message>
        <source>Саамско-русский словарь. Под редакцией </source>
        <translation>Saami-Russian dictionary. Edited by </translation>
    </message>
    <message>
        <source>Саамско-русский словарь (кильдинский диалект) @Под редакцией </source>
        <translation>Saami-Russian dictionary (Kildin dialect) @Edited by </translation>
    </message>
    <message>
        <source>Саамско-русский словарь</source>
        <translation>Saami-Russian dictionary</translation>
    </message>
    <message>
        <source>Саамско-русский словарь. Автор: </source>
        <translation>Saami-Russian dictionary. Author: </translation>
    </message>
    <message>
        <source>Саамско-русский словарь (кильдинский диалект) @Автор: </source>
        <translation>Saami-Russian dictionary (Kildin dialect) @Author: </translation>
    </message>
    <message>
        <source>Русско-саамский словарь. Автор: </source>
        <translation>Russian-Saami dictionary. Author: </translation>
    </message>
    <message>
        <source>Русско-саамский словарь (кильдинский диалект) @Автор: </source>
        <translation>Russian-Saami dictionary (Kildin dialect) @Author: </translation>
    </message>
    <message>
        <source>Русско-саамский словарь</source>
        <translation>Russian-Saami dictionary</translation>
    </message>
    <message>
        <source>Саамско-русский разговорник. Автор: </source>
        <translation>Saami-Russian phrasebook. Author: </translation>
    </message>
    <message>
        <source>Саамско-русский разговорник @Автор: </source>
        <translation>Saami-Russian phrasebook @Author: </translation>
    </message>
    <message>
        <source>Саамско-русский разговорник</source>
        <translation>Saami-Russian phrasebook</translation>
    </message>
</context>
<context>
    <name>lumolex::EditCommands</name>
    <message>
        <source>Вырезать</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
</context>
<context>
    <name>lumolex::ExamplesPanel</name>
    <message>
        <source>Примеры речи</source>
        <translation>Speech examples</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
</context>
<context>
    <name>lumolex::FindPanel</name>
    <message>
        <source>Поиск</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Закрыть панель поиска</source>
        <translation>Close the search panel</translation>
    </message>
    <message>
        <source>Во всех словарях</source>
        <translation>In all dictionaries</translation>
    </message>
    <message>
        <source>Поиск во всех или выбранных словарях</source>
        <translation>Search all dictionaries or the chosen ones</translation>
    </message>
    <message>
        <source>Быстрый поиск @(возможно сочетание слов через пробел)</source>
        <translation>Fast search @(words may be combined with spaces)</translation>
    </message>
    <message>
        <source>Поиск фрагмента текста @(медленный поиск)</source>
        <translation>Text fragment search @(slow search)</translation>
    </message>
</context>
<context>
    <name>lumolex::FragmentLink</name>
    <message>
        <source>Работа</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Поиск</source>
        <translation>Search</translation>
    </message>
</context>
<context>
    <name>lumolex::HistoryFile</name>
    <message>
        <source>Файл истории «%1» больше, чем вмещает список: прочитаны только первые записи, сколько вмещает список (%2). При выходе файл будет записан заново только с ними.</source>
        <translation>The history file &quot;%1&quot; holds more than the list can: only the first entries the list holds (%2) were read. On exit the file will be written anew with them only.</translation>
    </message>
    <message>
        <source>В файле истории «%1» есть записи длиннее %2 знаков: они прочитаны укороченными до %2 знаков и такими будут записаны при выходе.</source>
        <translation>The history file &quot;%1&quot; has entries longer than %2 characters: they were read cut to %2 characters and will be written so on exit.</translation>
    </message>
    <message>
        <source>Файл истории «%1» не прочитан: это не обычный файл. Он не будет перезаписан.</source>
        <translation>The history file &quot;%1&quot; was not read: it is not a regular file. It will not be overwritten.</translation>
    </message>
    <message>
        <source>Файл истории «%1» не прочитан: это символическая ссылка, а в папке программы история по ссылкам не читается и не пишется. Ссылка оставлена как есть.</source>
        <translation>The history file &quot;%1&quot; was not read: it is a symbolic link, and in the program&apos;s folder the history is neither read nor written through links. The link was left as it is.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл истории «%1»: %2. Он не будет перезаписан.</source>
        <translation>The history file &quot;%1&quot; could not be read: %2. It will not be overwritten.</translation>
    </message>
    <message>
        <source>Файл истории «%1» не сохранён: на его месте не обычный файл, он оставлен как есть.</source>
        <translation>The history file &quot;%1&quot; was not saved: in its place is not a regular file, which was left as it is.</translation>
    </message>
    <message>
        <source>Файл истории «%1» не сохранён: это символическая ссылка, а в папке программы история по ссылкам не пишется. Ссылка оставлена как есть.</source>
        <translation>The history file &quot;%1&quot; was not saved: it is a symbolic link, and in the program&apos;s folder the history is not written through links. The link was left as it is.</translation>
    </message>
    <message>
        <source>Файл истории «%1» не сохранён: его не удалось прочитать (%2), он оставлен как есть.</source>
        <translation>The history file &quot;%1&quot; was not saved: it could not be read (%2), and was left as it is.</translation>
    </message>
    <message>
        <source>Файл истории «%1» не сохранён: в папку установленной программы история не пишется, а папка данных пользователя неизвестна.</source>
        <translation>The history file &quot;%1&quot; was not saved: the history is not written into the folder of an installed program, and the user&apos;s data folder is unknown.</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл истории «%1»: %2. Прежний файл оставлен как был.</source>
        <translation>The history file &quot;%1&quot; could not be saved: %2. The previous file was left as it was.</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл истории «%1»: в папку программы писать нельзя, а в «%2» записать не удалось (%3).</source>
        <translation>The history file &quot;%1&quot; could not be saved: the program&apos;s folder cannot be written, and writing to &quot;%2&quot; failed (%3).</translation>
    </message>
</context>
<context>
    <name>lumolex::HistoryKeeper</name>
    <message>
        <source>Лумолекс</source>
        <translation>LumoLex</translation>
    </message>
    <message>
        <source>Очистить историю карточек и поиска?</source>
        <translation>Clear the history of cards and searches?</translation>
    </message>
</context>
<context>
    <name>lumolex::LetterPalette</name>
    <message>
        <source>Макрон над буквой перед курсором</source>
        <translation>Macron over the letter before the cursor</translation>
    </message>
    <message>
        <source>Вставить «%1»</source>
        <translation>Insert &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>lumolex::LinkFollower</name>
    <message>
        <source>Идти на ссылку</source>
        <translation>Follow the link</translation>
    </message>
    <message>
        <source>Нет ссылки на слово!</source>
        <translation>No link to a word!</translation>
    </message>
    <message>
        <source>Не найдено слово в текущем словаре!</source>
        <translation>The word was not found in the current dictionary!</translation>
    </message>
</context>
<context>
    <name>lumolex::MainMenu</name>
    <message>
        <source>Словарь</source>
        <translation>Dictionary</translation>
    </message>
    <message>
        <source>Саамско-русский словарь. Под редакцией </source>
        <translation>Saami-Russian dictionary. Edited by </translation>
    </message>
    <message>
        <source>Саамско-русский словарь. Автор: </source>
        <translation>Saami-Russian dictionary. Author: </translation>
    </message>
    <message>
        <source>Русско-саамский словарь. Автор: </source>
        <translation>Russian-Saami dictionary. Author: </translation>
    </message>
    <message>
        <source>Саамско-русский разговорник. Автор: </source>
        <translation>Saami-Russian phrasebook. Author: </translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Правка</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Вырезать</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Расположить карточки каскадом</source>
        <translation>Cascade cards</translation>
    </message>
    <message>
        <source>Закрыть все карточки</source>
        <translation>Close all cards</translation>
    </message>
    <message>
        <source>Прозрачность главного окна (%)</source>
        <translation>Main window transparency (%)</translation>
    </message>
    <message>
        <source>Разместить поверх других окон</source>
        <translation>Stay on top of other windows</translation>
    </message>
    <message>
        <source>Отображение панелей</source>
        <translation>Panels</translation>
    </message>
    <message>
        <source>Панель инструментов</source>
        <translation>Tool bar</translation>
    </message>
    <message>
        <source>Панель статуса</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>Заголовки</source>
        <translation>Captions</translation>
    </message>
    <message>
        <source>Примеры речи</source>
        <translation>Speech examples</translation>
    </message>
    <message>
        <source>Включить все</source>
        <translation>Show all</translation>
    </message>
    <message>
        <source>Выключить все</source>
        <translation>Hide all</translation>
    </message>
    <message>
        <source>Панель саамских букв</source>
        <translation>Saami letter bar</translation>
    </message>
    <message>
        <source>Сервис</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Открыть карточку слова из списка</source>
        <translation>Open the word card from the list</translation>
    </message>
    <message>
        <source>Найти в тексте перевода</source>
        <translation>Find in the translation text</translation>
    </message>
    <message>
        <source>Идти на ссылку</source>
        <translation>Follow the link</translation>
    </message>
    <message>
        <source>Печать карточки</source>
        <translation>Print card</translation>
    </message>
    <message>
        <source>Шаг назад</source>
        <translation>Step back</translation>
    </message>
    <message>
        <source>Шаг вперед</source>
        <translation>Step forward</translation>
    </message>
    <message>
        <source>Закладка</source>
        <translation>Bookmark</translation>
    </message>
    <message>
        <source>Поиск в словарях</source>
        <translation>Search the dictionaries</translation>
    </message>
    <message>
        <source>Очистить историю</source>
        <translation>Clear history</translation>
    </message>
    <message>
        <source>Экспорт карточек…</source>
        <translation>Export cards…</translation>
    </message>
    <message>
        <source>Сохранить слова истории карточек как набор карточек для повторения</source>
        <translation>Save the words of the card history as a flash-card deck for review</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Администрирование</source>
        <translation>Administration</translation>
    </message>
    <message>
        <source>Индексировать слова</source>
        <translation>Index words</translation>
    </message>
    <message>
        <source>Добавить словарь</source>
        <translation>Add dictionary</translation>
    </message>
    <message>
        <source>Добавить/изменить</source>
        <translation>Add/change</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>lumolex::SearchLink</name>
    <message>
        <source>Поиск по словарям</source>
        <translation>Dictionary search</translation>
    </message>
    <message>
        <source>Очистить результаты поиска?</source>
        <translation>Clear the search results?</translation>
    </message>
    <message>
        <source>Лумолекс</source>
        <translation>LumoLex</translation>
    </message>
    <message>
        <source>Поиск не меньше 2-х символов!</source>
        <translation>Search for at least 2 characters!</translation>
    </message>
    <message>
        <source>Поиск...</source>
        <translation>Searching...</translation>
    </message>
    <message>
        <source>Работа</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Поиск в словарях</source>
        <translation>Search the dictionaries</translation>
    </message>
    <message>
        <source>Не найдено!</source>
        <translation>Not found!</translation>
    </message>
</context>
<context>
    <name>lumolex::SettingsStore</name>
    <message>
        <source>Файл настроек «%1» не прочитан: это не обычный файл. Настройки взяты по умолчанию и при выходе не будут сохранены.</source>
        <translation>The settings file &quot;%1&quot; was not read: it is not a regular file. The default settings are used and will not be saved on exit.</translation>
    </message>
    <message>
        <source>Не удалось сохранить настройки: нет доступа к «%1».</source>
        <translation>The settings could not be saved: no access to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Не удалось сохранить настройки: файл «%1» повреждён.</source>
        <translation>The settings could not be saved: the file &quot;%1&quot; is damaged.</translation>
    </message>
    <message>
        <source>все имена для копии заняты</source>
        <translation>every name for the copy is taken</translation>
    </message>
    <message>
        <source>Настройки не сохранены: на месте файла «%1» не обычный файл, он оставлен как есть.</source>
        <translation>The settings were not saved: in place of the file &quot;%1&quot; is not a regular file, which was left as it is.</translation>
    </message>
    <message>
        <source>Настройки не сохранены: файл «%1» не в формате INI, а сохранить его копию «%2» не удалось (%3). Файл оставлен как был.</source>
        <translation>The settings were not saved: the file &quot;%1&quot; is not in the INI format, and its copy &quot;%2&quot; could not be saved (%3). The file was left as it was.</translation>
    </message>
    <message>
        <source>Не удалось сохранить настройки в «%1». Прежний файл сохранён как «%2».</source>
        <translation>The settings could not be saved to &quot;%1&quot;. The previous file was kept as &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Файл настроек «%1» был не в формате INI и прочитан не полностью: недостающие настройки взяты по умолчанию. Его прежний текст сохранён в «%2», настройки записаны заново.</source>
        <translation>The settings file &quot;%1&quot; was not in the INI format and was read only in part: the missing settings were taken from the defaults. Its previous text was kept in &quot;%2&quot;, and the settings were written anew.</translation>
    </message>
</context>
<context>
    <name>lumolex::ShellLink</name>
    <message>
        <source>Лумолекс</source>
        <translation>LumoLex</translation>
    </message>
    <message>
        <source>Файл справки %1 не найден</source>
        <translation>The help file %1 was not found</translation>
    </message>
</context>
<context>
    <name>lumolex::StatusIndicators</name>
    <message>
        <source>Русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Английский</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>lumolex::StatusPanel</name>
    <message>
        <source>Работа</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Найдено слов</source>
        <translation>Words found</translation>
    </message>
    <message>
        <source>Позиция в тексте перевода</source>
        <translation>Position in the translation text</translation>
    </message>
</context>
<context>
    <name>lumolex::TFormAbout</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Сайт поддержки:  </source>
        <translation>Support site:  </translation>
    </message>
    <message>
        <source>ЛУМОЛЕКС</source>
        <translation>LUMOLEX</translation>
    </message>
</context>
<context>
    <name>lumolex::TFormCard</name>
    <message>
        <source>Карточка слова</source>
        <translation>Word card</translation>
    </message>
    <message>
        <source>Синхронизировать список</source>
        <translation>Synchronise the list</translation>
    </message>
    <message>
        <source>Закрыть карточку слова (Esc)</source>
        <translation>Close the word card (Esc)</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
</context>
<context>
    <name>lumolex::TFormFind</name>
    <message>
        <source>Найти в тексте</source>
        <translation>Find in the text</translation>
    </message>
    <message>
        <source>С учетом регистра</source>
        <translation>Match case</translation>
    </message>
    <message>
        <source>Найти</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Поиск в тексте перевода</source>
        <translation>Search in the translation text</translation>
    </message>
    <message>
        <source>Не найдено</source>
        <translation>Not found</translation>
    </message>
</context>
<context>
    <name>lumolex::TFormLumoLex</name>
    <message>
        <source>Открыть карточку слова из списка</source>
        <translation>Open the word card from the list</translation>
    </message>
    <message>
        <source>Тема</source>
        <translation>Topic</translation>
    </message>
    <message>
        <source>Слово</source>
        <translation>Word</translation>
    </message>
    <message>
        <source>Фразы</source>
        <translation>Phrases</translation>
    </message>
    <message>
        <source>Перевод</source>
        <translation>Translation</translation>
    </message>
    <message>
        <source>Лумолекс 3.1</source>
        <translation>LumoLex 3.1</translation>
    </message>
    <message>
        <source>Лумолекс</source>
        <translation>LumoLex</translation>
    </message>
    <message>
        <source>Программа уже запущена !</source>
        <translation>The program is already running!</translation>
    </message>
    <message>
        <source>LumoLex.html</source>
        <comment>the manual in this language</comment>
        <translation>LumoLex.en.html</translation>
    </message>
</context>
<context>
    <name>lumolex::TFormSetup</name>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Общие</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Шрифты</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>Карточка слова</source>
        <translation>Word card</translation>
    </message>
    <message>
        <source>Списки</source>
        <translation>Lists</translation>
    </message>
    <message>
        <source>Поиск</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Настройки по умолчанию</source>
        <translation>Default settings</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Всплывающие подсказки над словами, не помещающимися в списке</source>
        <translation>Pop-up hints over words that do not fit in the list</translation>
    </message>
    <message>
        <source>Минимизировать в системный трей (рядом с часами)</source>
        <translation>Minimise to the system tray (next to the clock)</translation>
    </message>
    <message>
        <source>Присоединять окно программы к границам экрана</source>
        <translation>Snap the program window to the screen edges</translation>
    </message>
    <message>
        <source>Запрет одновременного запуска нескольких копий программы</source>
        <translation>Do not run several copies of the program at once</translation>
    </message>
    <message>
        <source>Прозрачность главного окна (%)</source>
        <translation>Main window transparency (%)</translation>
    </message>
    <message>
        <source>Применять настройки прозрачности главного окна к карточкам</source>
        <translation>Apply the main window transparency to the cards</translation>
    </message>
    <message>
        <source>Сохранять параметры при выходе</source>
        <translation>Save the settings on exit</translation>
    </message>
    <message>
        <source>Язык интерфейса</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>Как в системе</source>
        <translation>System</translation>
    </message>
    <message>
        <source>(со следующего запуска)</source>
        <translation>(from the next start)</translation>
    </message>
    <message>
        <source>Точное совпадение букв</source>
        <translation>Exact letter match</translation>
    </message>
    <message>
        <source>Буква запроса с макроном или особая саамская буква (ӈ, ҏ, ҍ …) находит только себя; простая буква находит и свои варианты</source>
        <translation>A query letter with a macron or a special Saami letter (ӈ, ҏ, ҍ …) finds only itself; a plain letter also finds its variants</translation>
    </message>
    <message>
        <source>Шрифт текста</source>
        <translation>Text font</translation>
    </message>
    <message>
        <source>Размер</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Шрифт списка, полей редактирования</source>
        <translation>List and edit field font</translation>
    </message>
    <message>
        <source>Шрифт текста перевода / фразы</source>
        <translation>Translation / phrase text font</translation>
    </message>
    <message>
        <source>Шрифт текста словарной карточки</source>
        <translation>Dictionary card text font</translation>
    </message>
    <message>
        <source>Размер карточки слова</source>
        <translation>Word card size</translation>
    </message>
    <message>
        <source>По горизонтали</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>По вертикали</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Открывать каждую карточку в отдельном окне</source>
        <translation>Open every card in a window of its own</translation>
    </message>
    <message>
        <source>Закрывать карточки при переключении на другие приложения</source>
        <translation>Close the cards on switching to other applications</translation>
    </message>
    <message>
        <source>Разделять цветом четные и нечетные строки списка</source>
        <translation>Colour even and odd list rows apart</translation>
    </message>
    <message>
        <source>Цвет фона строки списка</source>
        <translation>List row background colour</translation>
    </message>
</context>
<context>
    <name>lumolex::TFormSplash</name>
    <message>
        <source>Сайт поддержки: </source>
        <translation>Support site: </translation>
    </message>
    <message>
        <source>ЛУМОЛЕКС</source>
        <translation>LUMOLEX</translation>
    </message>
</context>
<context>
    <name>lumolex::ToolBarPanel</name>
    <message>
        <source>саами - русский</source>
        <translation>Saami - Russian</translation>
    </message>
    <message>
        <source>Саамско-русский словарь (кильдинский диалект) @Под редакцией </source>
        <translation>Saami-Russian dictionary (Kildin dialect) @Edited by </translation>
    </message>
    <message>
        <source>Саамско-русский словарь (кильдинский диалект) @Автор: </source>
        <translation>Saami-Russian dictionary (Kildin dialect) @Author: </translation>
    </message>
    <message>
        <source>русский - саами</source>
        <translation>Russian - Saami</translation>
    </message>
    <message>
        <source>Русско-саамский словарь (кильдинский диалект) @Автор: </source>
        <translation>Russian-Saami dictionary (Kildin dialect) @Author: </translation>
    </message>
    <message>
        <source>Разговорники</source>
        <translation>Phrasebooks</translation>
    </message>
    <message>
        <source>Саамско-русский разговорник @Автор: </source>
        <translation>Saami-Russian phrasebook @Author: </translation>
    </message>
    <message>
        <source>Сервис</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Открыть карточку слова из списка</source>
        <translation>Open the word card from the list</translation>
    </message>
    <message>
        <source>Закладка</source>
        <translation>Bookmark</translation>
    </message>
    <message>
        <source>Шаг назад</source>
        <translation>Step back</translation>
    </message>
    <message>
        <source>Шаг вперед</source>
        <translation>Step forward</translation>
    </message>
    <message>
        <source>Поиск слова в словарях</source>
        <translation>Search the dictionaries for a word</translation>
    </message>
    <message>
        <source>Закрыть все карточки</source>
        <translation>Close all cards</translation>
    </message>
    <message>
        <source>Разместить поверх других окон</source>
        <translation>Stay on top of other windows</translation>
    </message>
</context>
<context>
    <name>lumolex::TrayMode</name>
    <message>
        <source>Лумолекс</source>
        <translation>LumoLex</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>lumolex::WordFormLine</name>
    <message>
        <source>Набранное слово — форма этих слов словаря. Щелчок или Enter открывает статью.</source>
        <translation>The typed word is a form of these dictionary words. A click or Enter opens the article.</translation>
    </message>
    <message>
        <source>Форма слова: </source>
        <translation>Word form: </translation>
    </message>
</context>
<context>
    <name>lumolex::WordFormLoading</name>
    <message>
        <source>Лумолекс</source>
        <translation>LumoLex</translation>
    </message>
</context>
<context>
    <name>lumolex::WordPanel</name>
    <message>
        <source>Слово</source>
        <translation>Word</translation>
    </message>
    <message>
        <source>Идти к букве</source>
        <translation>Go to letter</translation>
    </message>
    <message>
        <source>В начало</source>
        <translation>First</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Вперед</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>В конец</source>
        <translation>Last</translation>
    </message>
</context>
</TS>
