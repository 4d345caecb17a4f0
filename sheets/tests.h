#pragma once
// The ten tests: their answer sheets, question windows and result logs.
#include <QString>
#include <array>
#include <vector>

namespace vzt {

struct QuestionSlot {
    int form;     // TForm number of the window
    QString unit; // module name
};

struct TestInfo {
    int test;
    int form;              // TForm number of the answer sheet
    QString unit;          // answer-sheet module
    QString prepareCaption;
    int prepareLeft;
    std::array<QuestionSlot, 20> questions; // opened by buttons "1" .. "20"

    QString title() const;     // "Тест 1    Рівень 1"
    QString logFile() const;   // "stat01.txt"
    QString logTag() const;    // "  ВЗТ 01 Загальний час "
    // The question windows in creation order (by class number).
    std::vector<std::pair<int, int>> creationOrder() const; // (form, question)
};

const std::array<TestInfo, 10> &tests();
const TestInfo &testInfo(int test);

} // namespace vzt
