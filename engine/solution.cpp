#include "solution.h"

#include <QRegularExpression>
#include <cmath>
#include <optional>

namespace vzt {

namespace {
const QString kAnswer = QStringLiteral("Відповідь: ");
const QChar kMinus(0x2212);
} // namespace

Steps &Steps::operator<<(const QString &step)
{
    steps_ << step;
    return *this;
}

void Steps::answer() { answerOption(page_.right, QString()); }

void Steps::answer(const QString &form) { answerOption(page_.right, form); }

void Steps::answerOption(int option, const QString &form)
{
    const QString shown = form.isEmpty()
                              ? displayText(page_.optionForms.value(option - 1)).toHtmlEscaped()
                              : form;
    steps_ << kAnswer + slotLetter(keyOf(page_.deal, option)) + ") " + shown;
    named_ = option;
    ownForm_ = !form.isEmpty();
}

bool hasSolution(const Page &page) { return bool(page.solver); }

Solution solve(const Page &page)
{
    if (!page.solver)
        return {};
    Steps s(page);
    page.solver(s);
    return {s.steps(), s.named(), s.ownForm()};
}

namespace {

// Rich text to the text the checks read: <sup>e</sup> becomes ^(e), an index
// becomes "_" (a name, never a number), other tags go, entities and the
// control codes of the labels are read.
QString checkText(const QString &rich, bool plain)
{
    static const QRegularExpression sup(QStringLiteral("<sup>(.*?)</sup>"));
    static const QRegularExpression sub(QStringLiteral("<sub>(.*?)</sub>"));
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString t = rich;
    if (plain) {
        static const QString digits = QStringLiteral("0123456789");
        static const QString high = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
        QRegularExpressionMatch m;
        while ((m = sup.match(t)).hasMatch()) {
            QString e = m.captured(1);
            bool simple = !e.isEmpty();
            for (QChar &c : e) {
                const int d = digits.indexOf(c);
                if (d >= 0)
                    c = high[d];
                else if (c == kMinus || c == '-')
                    c = QChar(0x207B);
                else
                    simple = false;
            }
            t.replace(m.capturedStart(), m.capturedLength(), simple ? e : "^(" + m.captured(1) + ")");
        }
        t.replace(sub, QStringLiteral("\\1"));
    } else {
        t.replace(sup, QStringLiteral("^(\\1)"));
        t.replace(sub, QStringLiteral("_"));
    }
    t.replace(tag, QString());
    t.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    t.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    t.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    t.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return displayText(t);
}

// ---- exact arithmetic on fractions; nullopt where it cannot be done exactly
using Big = __int128;
struct Ratio {
    Big n = 0, d = 1;
};
constexpr Big kLimit = Big(1) << 100;

Big gcdOf(Big a, Big b)
{
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b) {
        const Big t = a % b;
        a = b;
        b = t;
    }
    return a;
}

std::optional<Ratio> make(Big n, Big d)
{
    if (d == 0)
        return std::nullopt;
    if (d < 0)
        n = -n, d = -d;
    const Big g = gcdOf(n, d);
    if (g > 1)
        n /= g, d /= g;
    if (n > kLimit || n < -kLimit || d > kLimit)
        return std::nullopt;
    return Ratio{n, d};
}

bool small(const Ratio &r) { return r.n < (Big(1) << 50) && r.n > -(Big(1) << 50) && r.d < (Big(1) << 50); }

struct Parser {
    const QString &s;
    int i = 0;
    bool failed = false;     // not a number expression: the equality is not checked
    bool divByZero = false;

    void skip()
    {
        while (i < s.size() && (s[i].isSpace() || s[i] == QChar(0x00B0)))
            ++i;
    }
    bool eat(QChar c)
    {
        skip();
        if (i < s.size() && s[i] == c) {
            ++i;
            return true;
        }
        return false;
    }
    std::optional<Ratio> fail()
    {
        failed = true;
        return std::nullopt;
    }
    std::optional<Ratio> number()
    {
        skip();
        Big n = 0, d = 1;
        int digits = 0;
        while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
            n = n * 10 + (s[i].unicode() - '0');
            ++i;
            if (++digits > 24)
                return fail();
        }
        if (!digits)
            return fail();
        if (i + 1 < s.size() && s[i] == ',' && s[i + 1].isDigit()) {
            ++i;
            int places = 0;
            while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
                n = n * 10 + (s[i].unicode() - '0');
                d *= 10;
                ++i;
                if (++places > 12)
                    return fail();
            }
        }
        return make(n, d);
    }
    std::optional<Ratio> primary()
    {
        skip();
        if (eat('(')) {
            auto v = expr();
            if (!eat(')'))
                return fail();
            return v;
        }
        return number();
    }
    std::optional<Ratio> raise(std::optional<Ratio> b, std::optional<Ratio> e)
    {
        if (!b || !e || e->d != 1 || e->n > 64 || e->n < -64)
            return fail();
        Ratio r{1, 1};
        const long long k = (long long)(e->n < 0 ? -e->n : e->n);
        for (long long j = 0; j < k; ++j) {
            auto m = make(r.n * b->n, r.d * b->d);
            if (!m)
                return fail();
            r = *m;
            if (!small(r) && j + 1 < k)
                return fail();
        }
        if (e->n < 0) {
            if (r.n == 0) {
                divByZero = true;
                return fail();
            }
            return make(r.d, r.n);
        }
        return r;
    }
    std::optional<Ratio> postfix()
    {
        auto v = primary();
        for (;;) {
            if (!v)
                return v;
            skip();
            if (eat('^')) {
                if (!eat('('))
                    return fail();
                auto e = expr();
                if (!eat(')'))
                    return fail();
                v = raise(v, e);
            } else if (eat(QChar(0x00B2))) {
                v = raise(v, Ratio{2, 1});
            } else if (eat(QChar(0x00B3))) {
                v = raise(v, Ratio{3, 1});
            } else {
                return v;
            }
        }
    }
    std::optional<Ratio> unary()
    {
        if (eat(kMinus) || eat('-')) {
            auto v = unary();
            if (!v)
                return v;
            return Ratio{-v->n, v->d};
        }
        return postfix();
    }
    std::optional<Ratio> term()
    {
        auto v = unary();
        for (;;) {
            if (!v)
                return v;
            if (eat(QChar(0x00B7)) || eat(QChar(0x00D7)) || eat('*')) {
                auto r = unary();
                if (!r || !small(*v) || !small(*r))
                    return fail();
                v = make(v->n * r->n, v->d * r->d);
            } else if (eat('/') || eat(':')) {
                auto r = unary();
                if (!r || !small(*v) || !small(*r))
                    return fail();
                if (r->n == 0) {
                    divByZero = true;
                    return fail();
                }
                v = make(v->n * r->d, v->d * r->n);
            } else {
                return v;
            }
            if (!v)
                return fail();
        }
    }
    std::optional<Ratio> expr()
    {
        auto v = term();
        for (;;) {
            if (!v)
                return v;
            const bool plus = eat('+');
            const bool minus = !plus && (eat(kMinus) || eat('-'));
            if (!plus && !minus)
                return v;
            auto r = term();
            if (!r || !small(*v) || !small(*r))
                return fail();
            v = make(v->n * r->d + (plus ? 1 : -1) * r->n * v->d, v->d * r->d);
            if (!v)
                return fail();
        }
    }
};

// One side of a number equality: nullopt where it is not purely a number
// expression (a name, a function, a root, a unit stands there).
struct Side {
    std::optional<Ratio> value;
    bool divByZero = false;
    QString text;
};

Side evaluate(const QString &e)
{
    Side side;
    side.text = e.trimmed();
    Parser p{side.text};
    auto v = p.expr();
    p.skip();
    if (!p.failed && v && p.i == side.text.size())
        side.value = v;
    side.divByZero = p.divByZero;
    return side;
}

bool inAlphabet(const QString &t, int k)
{
    const QChar c = t[k];
    if (c == ',')
        return k > 0 && k + 1 < t.size() && t[k - 1].isDigit() && t[k + 1].isDigit();
    if (c == ':') // division set apart between numbers ("30 : 5"), not "x = 2: …"
        return k >= 2 && k + 1 < t.size() && t[k - 1] == ' ' && t[k + 1] == ' ' &&
               ((t[k - 2].isDigit() && t[k - 2].unicode() < 128) || t[k - 2] == ')');
    static const QString ops = QStringLiteral(" +−-·×*/()^²³°");
    return (c.isDigit() && c.unicode() < 128) || ops.contains(c) || c.isSpace();
}

// Names, functions and signs of mathematics, as opposed to the words of a
// sentence (Cyrillic) and its punctuation.
bool mathsChar(QChar c)
{
    if (c.isLetter())
        return c.script() != QChar::Script_Cyrillic;
    static const QString signs = QStringLiteral("√∛|_!∞∠△′″'");
    return signs.contains(c);
}

// Whether the expression t[from, to) can be read on its own: what stands
// right beside it does not bind to it (2x, √16, f(2), sin 30°).
bool standsAlone(const QString &t, int from, int to)
{
    const QString e = t.mid(from, to - from);
    if (e.trimmed().isEmpty())
        return false;
    if (from > 0) {
        const QChar b = t[from - 1];
        if (!e[0].isSpace()) {
            static const QString open = QStringLiteral("=:;«\"[{—–≈≤≥≠<>");
            if (!open.contains(b))
                return false;
        } else if (mathsChar(b)) {
            return false;
        }
    }
    if (to < t.size()) {
        const QChar c = t[to];
        if (!e.back().isSpace()) {
            static const QString close = QStringLiteral(".,;:%=≈?»\"]}—–≤≥≠<>");
            if (!close.contains(c))
                return false;
        } else if (mathsChar(c)) {
            return false;
        }
    }
    return true;
}

QString show(const QString &s) { return s.simplified(); }

} // namespace

QString plainStep(const QString &step) { return checkText(step, true).simplified(); }

QStringList checkSolution(const Page &page, const Solution &s, int *equalities)
{
    QStringList fail;
    int checked = 0;
    if (s.steps.size() < 2 || s.steps.size() > 6)
        fail << QStringLiteral("%1 steps, not 2 to 6").arg(s.steps.size());
    for (int k = 0; k < s.steps.size(); ++k) {
        const QString t = checkText(s.steps[k], false);
        if (t.trimmed().isEmpty()) {
            fail << QStringLiteral("step %1 is empty").arg(k + 1);
            continue;
        }
        static const QRegularExpression bad(QStringLiteral("\\b(nan|inf)\\b|−0(?![,0-9])|-0(?![,0-9])"));
        if (bad.match(t).hasMatch())
            fail << QStringLiteral("step %1 shows nan, inf or a negative zero: %2").arg(k + 1).arg(show(t));
        if (k + 1 < s.steps.size() && t.startsWith(kAnswer))
            fail << QStringLiteral("step %1 gives the answer before the last step").arg(k + 1);
        for (int at = t.indexOf('='); at >= 0; at = t.indexOf('=', at + 1)) {
            int a = at;
            while (a > 0 && inAlphabet(t, a - 1))
                --a;
            int b = at + 1;
            while (b < t.size() && inAlphabet(t, b))
                ++b;
            if (!standsAlone(t, a, at) || !standsAlone(t, at + 1, b))
                continue;
            const QString left = t.mid(a, at - a).trimmed();
            const Side l = evaluate(left), r = evaluate(t.mid(at + 1, b - at - 1));
            if (l.divByZero || r.divByZero) {
                fail << QStringLiteral("step %1 divides by zero: %2 = %3").arg(k + 1).arg(show(l.text), show(r.text));
                continue;
            }
            if (!l.value || !r.value)
                continue;
            ++checked;
            if (l.value->n != r.value->n || l.value->d != r.value->d)
                fail << QStringLiteral("step %1 states %2 = %3, which is false")
                            .arg(k + 1)
                            .arg(show(l.text), show(r.text));
        }
    }
    if (!s.steps.isEmpty()) {
        const int keyed = page.key >= 1 && page.key <= 5 ? page.deal[page.key - 1] : 0;
        const QString last = s.steps.back();
        if (s.named == 0 || !last.startsWith(kAnswer))
            fail << "the last step names no option";
        else if (s.named != keyed)
            fail << QStringLiteral("the last step names option %1, the key names option %2")
                        .arg(s.named)
                        .arg(keyed);
        else if (!last.startsWith(kAnswer + slotLetter(page.key) + ")"))
            fail << "the last step's letter is not the keyed slot " + slotLetter(page.key);
        else if (!page.pictureOptions && !s.ownForm &&
                 last != kAnswer + slotLetter(page.key) + ") " +
                             displayText(page.optionForms.value(keyed - 1)).toHtmlEscaped())
            fail << "the last step does not show the keyed option as the learner sees it: " + show(last);
        else if (last.size() <= kAnswer.size() + 3)
            fail << "the last step writes no answer";
    }
    if (equalities)
        *equalities = checked;
    return fail;
}

// ---- numbers

QString val(long long n) { return n < 0 ? kMinus + QString::number(-n) : QString::number(n); }

QString paren(long long n) { return n < 0 ? "(" + val(n) + ")" : val(n); }

QString signedTerm(long long n)
{
    return n < 0 ? QStringLiteral(" − ") + QString::number(-n) : QStringLiteral(" + ") + QString::number(n);
}

QString frac(long long n, long long d) { return val(n) + "/" + QString::number(d); }

QString lowest(long long n, long long d)
{
    if (d < 0)
        n = -n, d = -d;
    long long a = n < 0 ? -n : n, b = d;
    while (b) {
        const long long t = a % b;
        a = b;
        b = t;
    }
    if (a > 1)
        n /= a, d /= a;
    return d == 1 ? val(n) : frac(n, d);
}

QString dec(double x, int places)
{
    QString t = QString::number(std::abs(x), 'f', places);
    if (t.contains('.')) {
        while (t.endsWith('0'))
            t.chop(1);
        if (t.endsWith('.'))
            t.chop(1);
    }
    t.replace('.', ',');
    const bool zero = t == QLatin1String("0");
    return x < 0 && !zero ? kMinus + t : t;
}

QString power(const QString &base, const QString &exp) { return base + "<sup>" + exp + "</sup>"; }

} // namespace vzt
