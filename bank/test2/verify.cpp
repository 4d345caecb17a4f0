// Test 2: each verifier reads the question as the learner sees it, works the
// answer out on its own and checks that the keyed option, and only it, shows it.
#include "verify.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>
#include <string>

using namespace vzt;

namespace {

// The numbers that `pattern` captures in the label's text; empty if it does not match.
std::vector<long long> numbers(Verdict &v, const QString &label, const QString &pattern)
{
    const auto out = captures(v.text(label), pattern);
    v.expect(!out.empty(), label + " reads as expected: " + v.text(label));
    return out;
}

// A terminating decimal with a comma, as the options write it ("0,25").
QString decimal(long long num, long long den)
{
    QString s = QString::number(num / den);
    long long rest = num % den;
    if (rest == 0)
        return s;
    s += ",";
    for (int i = 0; rest != 0 && i < 12; ++i) {
        rest *= 10;
        s += QString::number(rest / den);
        rest %= den;
    }
    return s;
}

// Roots written as "r1;r2" with decimal commas, as a set of values.
std::set<double> rootSet(const QString &form)
{
    std::set<double> out;
    for (QString part : form.split(';')) {
        bool ok = false;
        const double x = part.replace(',', '.').toDouble(&ok);
        out.insert(ok ? x : NAN);
    }
    return out;
}

} // namespace

// B sin²a − A + B cos²a
VZT_VERIFY(S1)
{
    const auto n = numbers(v, "Label1", "^Знайдiть значення виразу (\\d+)sin  a-(\\d+)\\+(\\d+)cos  a \\.$");
    if (n.size() != 3)
        return;
    v.expect(n[0] == n[2], "one coefficient stands before sin² and cos²");
    v.expect(v.text("Label14") == "2" && v.text("Label8") == "2", "both exponents are 2");
    v.onlyKeyed(QString::number(n[0] - n[1]));
}

// x + B = A(x + B)x
VZT_VERIFY(S2)
{
    const auto n = numbers(v, "Label1", "^Розв`яжіть рівняння x\\+(\\d+)=(\\d+)\\(x\\+(\\d+)\\)x$");
    if (n.size() != 3)
        return;
    const long long B = n[0], A = n[1];
    v.expect(n[2] == B, "the same x+B on both sides");
    // (x + B)(1 − Ax) = 0
    const std::set<double> roots{double(-B), 1.0 / double(A)};
    v.expect(v.keyedForm() == QString::number(-B) + ";" + decimal(1, A),
             "keyed option lists -B and 1/A: " + v.keyedForm());
    int same = 0;
    for (int k = 1; k <= 5; ++k) {
        const auto r = rootSet(v.form(k));
        bool equal = r.size() == roots.size();
        if (equal)
            for (auto it = r.begin(), jt = roots.begin(); it != r.end(); ++it, ++jt)
                equal = equal && std::abs(*it - *jt) < 1e-12;
        same += equal;
    }
    v.expect(same == 1, "only one option gives both roots");
}

// p1 and p2 parts in h hours: (p1 + p2) / h parts an hour together.
VZT_VERIFY(SS7)
{
    const auto n = numbers(v, "Label1",
                           "^Перший токар за (\\d+) год виготовляє (\\d+) (\\S+), а другий - (\\d+) "
                           "(\\S+)\\. Знайдіть середню$");
    if (n.size() != 5)
        return;
    const long long h = n[0], p1 = n[1], p2 = n[3];
    v.expect(h > 0 && (p1 + p2) % h == 0, "the joint hourly output is whole");
    if (h > 0)
        v.onlyKeyed(QString::number((p1 + p2) / h));
    // the nouns agree with their counts
    static const QRegularExpression re("(\\d+) (\\S+),.* (\\d+) (\\S+)\\.");
    const auto m = re.match(v.text("Label1"));
    for (int i : {1, 3}) {
        const long long c = m.captured(i).toLongLong();
        const long long tens = c % 100, last = c % 10;
        const QString noun = (tens >= 11 && tens <= 14) ? "деталей"
                             : last == 1                ? "деталь"
                             : (last >= 2 && last <= 4) ? "деталi"
                                                        : "деталей";
        v.expect(m.captured(i + 1) == noun, QString::number(c) + " " + m.captured(i + 1));
    }
    v.expect(v.text("Label14") == "продуктивність спільної праці цих токарів за 1 год.", "line 2");
}

// Angles in the ratio a:b:c:d add up to 360°.
VZT_VERIFY(SS8)
{
    const auto n = numbers(v, "Label1",
                           "^Градусні міри кутів чотирикутника відносяться як "
                           "(\\d+):(\\d+):(\\d+):(\\d+)\\. Знайдіть$");
    if (n.size() != 4)
        return;
    const long long parts = std::accumulate(n.begin(), n.end(), 0LL);
    v.expect(parts > 0 && 360 % parts == 0, "one part is a whole number of degrees");
    if (parts <= 0)
        return;
    const long long unit = 360 / parts;
    const auto [lo, hi] = std::minmax_element(n.begin(), n.end());
    v.expect(*hi * unit < 180, "the quadrilateral is convex");
    v.expect(*lo < *hi, "the largest angle exceeds the smallest");
    v.onlyKeyed(QString::number((*hi - *lo) * unit) + "°");
}

// 26 letters, 6 vowels: vowels as a percentage of consonants.
VZT_VERIFY(SS12)
{
    const auto n = numbers(v, "Label1", "^В англійському алфавіті (\\d+) літер, (\\d+) з них");
    if (n.size() != 2)
        return;
    const long long vowels = n[1], consonants = n[0] - n[1];
    v.expect(vowels * 100 % consonants == 0, "a whole percentage");
    v.onlyKeyed(QString::number(vowels * 100 / consonants) + "%");
}

// Distance from N(x; y; z) to the plane yOz is |x|.
VZT_VERIFY(SS15)
{
    const auto n = numbers(v, "Label1",
                           "^Знайдіть відстань від точки N\\(-(\\d+);(\\d+);(\\d+)\\) до площини yOz\\.$");
    if (n.size() != 3)
        return;
    v.onlyKeyed(QString::number(n[0]));
    // the root sign stands before the one option written with "*"
    int rootSlot = 0;
    for (int k = 1; k <= 5; ++k)
        if (v.text(QStringLiteral("Label%1").arg(8 + k)).startsWith('*'))
            rootSlot = k;
    const ImageItem *root = page.findImage("Image1");
    const LabelItem *slot = page.findLabel(QStringLiteral("Label%1").arg(8 + rootSlot));
    v.expect(rootSlot && root && slot && root->file == "SpS\\sqrt.bmp" &&
                 root->left == slot->left - 10,
             "the root sign stands before the option under it");
}

// a² ≤ x² ≤ b² (the signs are "less than or equal").
VZT_VERIFY(SS16)
{
    const auto n = numbers(v, "Label1",
                           "^Укажіть число цілих розв`язків нерівності (\\d+)      Х       (\\d+)$");
    if (n.size() != 2)
        return;
    v.expect(v.file("Image1") == "SpS\\NN.bmp" && v.file("Image2") == "SpS\\NN.bmp", "signs");
    v.expect(v.text("Label14") == "2", "x is squared");
    long long count = 0;
    for (long long x = -100; x <= 100; ++x)
        count += n[0] <= x * x && x * x <= n[1];
    v.onlyKeyed(QString::number(count));
}

// AP = PO and NP ⊥ AB: NP² = r² − (r/2)², so r² = 4·NP²/3.
VZT_VERIFY(SS17)
{
    const auto n = numbers(v, "Label14", "^AP=PO\\. Знайдіть радіус кола, якщо NР=    (\\d+)$");
    if (n.size() != 1)
        return;
    const long long r2 = 4 * n[0] / 3;
    const auto r = static_cast<long long>(std::llround(std::sqrt(double(r2))));
    v.expect(4 * n[0] % 3 == 0 && r * r == r2, "the radius is whole");
    v.expect(v.file("Image3") == "SpS\\sqrt.bmp", "NP is a root");
    v.onlyKeyed(QString::number(r));
}

// Orders of the letters of the word that keep "ла" together.
VZT_VERIFY(SS20)
{
    static const QRegularExpression re("слові \"([^\"]+)\"");
    const auto m = re.match(v.text("Label1"));
    v.expect(m.hasMatch(), "the word is quoted");
    std::u16string word = m.captured(1).toStdU16String();
    std::sort(word.begin(), word.end());
    long long count = 0;
    do
        count += QString::fromStdU16String(word).contains("ла");
    while (std::next_permutation(word.begin(), word.end()));
    v.onlyKeyed(QString::number(count));
}
