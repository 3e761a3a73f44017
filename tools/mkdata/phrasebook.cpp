#include "phrasebook.h"

#include "wordformindex.h"

#include <QSet>

#include <algorithm>

namespace lumolex::mkdata {

namespace {

QStringList words(const char *list)
{
    return QString::fromUtf8(list).split(u' ', Qt::SkipEmptyParts);
}

bool matches(const QString &word, const QStringList &keywords)
{
    for (const QString &keyword : keywords) {
        if (keyword.endsWith(u'*') ? word.startsWith(QStringView(keyword).chopped(1)) : word == keyword)
            return true;
    }
    return false;
}

} // namespace

const QVector<PhrasebookTopic> &phrasebookTopics()
{
    static const QVector<PhrasebookTopic> topics = {
        {QStringLiteral("Приветствие и вежливость"),
         words("здравствуй* привет* спасибо благодар* свидани* прощай* пожалуйста извини* зовут звать")},
        {QStringLiteral("Семья"),
         words("мать мама мамы маме маму матери отец отца отцу папа сын* дочь дочер* брат* сестр* бабушк* "
               "дедушк* жена жены жене жену муж мужа мужу детей дети ребён* внук* семья семьи семье семью семьёй родител* родн*")},
        {QStringLiteral("Погода"),
         words("погод* дожд* снег* ветер ветр* мороз* холод* тепл* жар* солнц* туман* пург* метел* гроз* "
               "облак* туч*")},
        {QStringLiteral("Оленеводство"),
         words("олен* оленух* важенк* пастух* стад* упряжк* аркан* пастбищ* ягел* тундр* телёнок* "
               "нарт* каюр*")},
        {QStringLiteral("Рыбалка"),
         words("рыб* сеть сети сетью сетей невод* удочк* улов* лосос* сёмг* щук* окун* сиг* форел* "
               "ловить ловит ловил* наловил*")},
        {QStringLiteral("Лодка и вода"),
         words("лодк* вёсл* весл* озер* озёр* рек* море моря морю берег* волн* плыть плыву плывёт плыл*")},
        {QStringLiteral("Дом и хозяйство"),
         words("дом дома доме домой изб* печ* кувакс* вежа вежи веже стол стола столе столом двер* окн* крыш* дров* "
               "котёл котл* посуд* чайник*")},
        {QStringLiteral("Еда"),
         words("ест ешь ем ели еда еды пищ* хлеб* мяс* суп* чай чая чаю каш* молок* "
               "соль соли масл* ягод* вкусн* голод* обед* ужин*")},
        {QStringLiteral("Одежда"),
         words("одежд* шуб* шапк* платок платк* сапог* рукавиц* пимы пимов обувь платье рубах* "
               "юбк* пояс* шить шьёт сшил*")},
        {QStringLiteral("Числа и счёт"),
         words("один одна одно два две три четыре пять шесть семь восемь девять десять "
               "сто тысяч* первый второй третий половин* считать считает сосчитал*")},
        {QStringLiteral("Время"),
         words("утр* вечер* ноч* день дня днём сегодня завтра вчера неделю недел* месяц* "
               "год года году лет зим* летом весн* осен* час часа часов часы минут*")},
        {QStringLiteral("Дорога и путь"),
         words("дорог* путь пути ехать еду едет поехал* пошёл пошла идти иду идёт уехал* ушёл "
               "ушла приехал* пришёл пришла")},
    };
    return topics;
}

QVector<PhrasebookArticle> buildPhrasebook(const QVector<KildinExample> &examples)
{
    const QVector<PhrasebookTopic> &topics = phrasebookTopics();
    QVector<QVector<ExamplePair>> chosen(topics.size());
    QSet<QString> seen;
    for (const KildinExample &example : examples) {
        if (example.saami.size() > kPhraseMaxLength || example.russian.size() > kPhraseMaxLength)
            continue;
        if (example.russian.isEmpty() || seen.contains(example.saami))
            continue;
        QStringList russianWords;
        for (const QString &word : splitWords(example.russian))
            russianWords.append(word.toLower());
        for (qsizetype t = 0; t < topics.size(); ++t) {
            const bool hit = std::any_of(russianWords.cbegin(), russianWords.cend(),
                                         [&](const QString &word) { return matches(word, topics.at(t).keywords); });
            if (hit) {
                chosen[t].append(ExamplePair{example.saami, example.russian});
                seen.insert(example.saami);
                break;
            }
        }
    }

    QVector<PhrasebookArticle> articles;
    for (qsizetype t = 0; t < topics.size(); ++t) {
        QVector<ExamplePair> &phrases = chosen[t];
        if (phrases.isEmpty())
            continue;
        std::stable_sort(phrases.begin(), phrases.end(), [](const ExamplePair &a, const ExamplePair &b) {
            return a.phrase.size() < b.phrase.size();
        });
        if (phrases.size() > kPhrasesPerTopic)
            phrases.resize(kPhrasesPerTopic);
        articles.append(PhrasebookArticle{topics.at(t).title, phrases});
    }
    return articles;
}

QString renderPhrasebookArticle(const PhrasebookArticle &article)
{
    QString html = QStringLiteral("<div><b>%1</b></div>").arg(escapeHtml(article.title));
    for (const ExamplePair &phrase : article.phrases)
        html += QStringLiteral("<div style=\"margin-left:14px\">%1</div>").arg(renderExample(phrase));
    return html;
}

} // namespace lumolex::mkdata
