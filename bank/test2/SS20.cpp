#include "common.h"
using namespace vzt;
using namespace vzt::test2;

// "ла" kept together: four blocks, 4! = 24 orders.
VZT_QUESTION(SS20, 2, 20, 45)
{
    q.grid(rows(223, kNarrowLefts, 372));
    q.lines({"Скількома способами можна переставити літери в слові \"школа\", щоб сполучення",
              "\"ла\" залишилось незмінним?"});

    q.textOptions({"24", "48", "36", "120", "6"}, 1);

    q.solution([=](Steps &s) {
        s << "Вважаємо «ла» однією літерою: переставляємо 4 елементи — ш, к, о, «ла».";
        s << "Число перестановок з 4 елементів: 4! = 1 · 2 · 3 · 4 = 24.";
        s.answer();
    });
}
