// Independent checks of the Test 6 questions that compute their answer: each
// reads the numbers as the learner sees them and recomputes the right option.
#include "verify.h"

#include <QRegularExpression>

using namespace vzt;

namespace {

// The word that follows a number of pebbles, as a Ukrainian reader expects it.
QString pebblesAfter(long long n)
{
    const long long tens = n % 100, units = n % 10;
    if (tens < 11 || tens > 14) {
        if (units == 1)
            return "камінчик";
        if (units >= 2 && units <= 4)
            return "камінчики";
    }
    return QStringLiteral("камінчик") + QChar('i') + "в"; // a Latin i, as stored
}

// A small number written as a word, as the texts write them; 0 if unknown.
long long numberWord(const QString &word)
{
    static const QStringList words{"один", "два", "три", "чотири"};
    static const QStringList feminine{"одна", "дві"};
    const QString w = word.toLower();
    if (feminine.contains(w))
        return feminine.indexOf(w) + 1;
    return words.indexOf(w) + 1;
}

} // namespace

VZT_VERIFY(R1)
{
    // r robots make d parts in m minutes: one robot makes d / (r·m) a minute.
    static const QRegularExpression given(
        "^(\\S+) роботи за (\\S+) хвилини виготовляють (\\S+) деталі");
    static const QRegularExpression asked(
        "^виготовлять (\\S+) таких самих роботи за (\\S+) хвилини");
    const auto g = given.match(v.text("Label1"));
    const auto a = asked.match(v.text("Label14"));
    v.expect(g.hasMatch() && a.hasMatch(), "robots, minutes and parts in the text");
    if (!g.hasMatch() || !a.hasMatch())
        return;
    const long long r = numberWord(g.captured(1)), m = numberWord(g.captured(2));
    const long long parts = numberWord(g.captured(3)) * numberWord(a.captured(1))
                            * numberWord(a.captured(2));
    v.expect(r * m > 0 && parts % (r * m) == 0, "a whole number of parts");
    if (r * m > 0)
        v.onlyKeyed(QString::number(parts / (r * m)));
}

VZT_VERIFY(R4)
{
    // Each guest gets two different cakes of n kinds, every pair once: n(n − 1)/2.
    const auto kinds = QRegularExpression("купила (\\S+) сорти").match(v.text("Label1"));
    v.expect(kinds.hasMatch() && v.text("Label14").startsWith("по два різних тістечка"),
             "n kinds, two different cakes a guest");
    const long long n = kinds.hasMatch() ? numberWord(kinds.captured(1)) : 0;
    v.expect(n >= 2, "the number of kinds");
    v.onlyKeyed(QString::number(n * (n - 1) / 2));
}

VZT_VERIFY(R6)
{
    // first, first + step, ..., last: (last − first) / step + 1 piles.
    static const QStringList words{"два", "три", "чотири"};
    const auto first = captures(v.text("Label1"), "поклав (\\d+) ");
    const auto last = captures(v.text("Label8"), "виявилось (\\d+) ");
    const auto stepWord = QRegularExpression("на (\\S+) більше").match(v.text("Label14"));
    v.expect(first.size() == 1 && last.size() == 1 && stepWord.hasMatch(),
             "the first pile, the step and the last pile in the text");
    if (first.size() != 1 || last.size() != 1 || !stepWord.hasMatch())
        return;
    const long long step = words.indexOf(stepWord.captured(1)) + 2;
    v.expect(step >= 2, "the step is a number word");
    const auto pile = [](long long n) { return QString::number(n) + " " + pebblesAfter(n); };
    v.expect(v.text("Label1").endsWith(pile(first[0]) + ","),
             "the word after the first pile agrees with it");
    v.expect(v.text("Label8").endsWith(pile(last[0]) + "?"),
             "the word after the last pile agrees with it");
    v.expect(step >= 2 && (last[0] - first[0]) % step == 0, "the last pile is in the progression");
    if (step < 2)
        return;
    const long long piles = (last[0] - first[0]) / step + 1;
    v.onlyKeyed(QString::number(piles * (first[0] + last[0]) / 2));
}

VZT_VERIFY(R18)
{
    // vol1 l at pct1 % and vol2 l at pct2 %: (vol1·pct1 + vol2·pct2) / (vol1 + vol2) %.
    const auto vol1 = captures(v.text("Label1"), "змішуванні (\\d+) л $");
    const auto rest = captures(v.text("Label14"), "^(\\d+)%-го і (\\d+) л (\\d+)%-го");
    v.expect(vol1.size() == 1 && rest.size() == 3, "two volumes and two strengths in the text");
    if (vol1.size() != 1 || rest.size() != 3)
        return;
    const long long alcohol = vol1[0] * rest[0] + rest[1] * rest[2];
    const long long volume = vol1[0] + rest[1];
    v.expect(alcohol % volume == 0, "the mixture's strength is a whole percent");
    v.onlyKeyed(QString::number(alcohol / volume));
}
