#include "tests.h"

#include <algorithm>

namespace vzt {

namespace {

// Question k of a test is opened by button k; `forms` are the windows in
// button order, `unit(k)` their module names.
template <typename UnitName>
std::array<QuestionSlot, 20> buttonMap(const std::array<int, 20> &forms, UnitName unit)
{
    std::array<QuestionSlot, 20> s;
    for (int k = 0; k < 20; ++k)
        s[k] = QuestionSlot{forms[k], unit(k + 1)};
    return s;
}

std::array<int, 20> run(int first)
{
    std::array<int, 20> f;
    for (int k = 0; k < 20; ++k)
        f[k] = first + k;
    return f;
}

auto prefixed(const char *prefix)
{
    return [prefix](int k) { return QString::fromLatin1(prefix) + QString::number(k); };
}

std::array<TestInfo, 10> makeTests()
{
    // Test 2: button 4 opens TForm30 (SS5), button 5 opens TForm29 (S4).
    const std::array<int, 20> test2{26, 27, 28, 30, 29, 31, 32, 33, 34, 35,
                                    36, 37, 38, 39, 40, 41, 42, 43, 44, 45};
    auto test2Unit = [](int k) {
        switch (k) {
        case 1: case 2: case 3: return QStringLiteral("S%1").arg(k);
        case 4: return QStringLiteral("SS5");
        case 5: return QStringLiteral("S4");
        default: return QStringLiteral("SS%1").arg(k);
        }
    };
    // Test 8: TForm167 is not a window; question 16 is TForm168 (Y16A).
    std::array<int, 20> test8 = run(152);
    for (int k = 15; k < 20; ++k)
        test8[k] = 153 + k;
    auto test8Unit = [](int k) {
        return k == 16 ? QStringLiteral("Y16A") : QStringLiteral("Y%1").arg(k);
    };
    return {{
        {1, 3, "Menu11", "Prepear", 112, buttonMap(run(4), prefixed("QN"))},
        {2, 25, "Menu21", "Prepear", 104, buttonMap(test2, test2Unit)},
        {3, 46, "Menu3", "Repeat", 104, buttonMap(run(47), prefixed("L"))},
        {4, 67, "Menu4", "Repeat", 96, buttonMap(run(68), prefixed("M"))},
        {5, 88, "Menu5", "Prepear", 112, buttonMap(run(89), prefixed("P"))},
        {6, 109, "Menu7", "Prepear", 128, buttonMap(run(110), prefixed("R"))},
        {7, 130, "Menu7Real", "Prepear", 112, buttonMap(run(131), prefixed("W"))},
        {8, 151, "Menu8", "Prepear", 120, buttonMap(test8, test8Unit)},
        {9, 173, "Menu9", "Prepear", 104, buttonMap(run(174), prefixed("I"))},
        {10, 194, "Mn10", "Prepear", 112, buttonMap(run(195), prefixed("H"))},
    }};
}

} // namespace

QString TestInfo::title() const
{
    return QStringLiteral("Тест %1    Рівень 1").arg(test);
}

QString TestInfo::logFile() const
{
    return QStringLiteral("stat%1.txt").arg(test, 2, 10, QLatin1Char('0'));
}

QString TestInfo::logTag() const
{
    return QStringLiteral("  ВЗТ %1 Загальний час ").arg(test, 2, 10, QLatin1Char('0'));
}

std::vector<std::pair<int, int>> TestInfo::creationOrder() const
{
    std::vector<std::pair<int, int>> order;
    for (int k = 0; k < 20; ++k)
        order.emplace_back(questions[k].form, k + 1);
    std::sort(order.begin(), order.end());
    return order;
}

const std::array<TestInfo, 10> &tests()
{
    static const std::array<TestInfo, 10> t = makeTests();
    return t;
}

const TestInfo &testInfo(int test) { return tests().at(test - 1); }

} // namespace vzt
