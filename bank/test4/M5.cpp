// Question 5: a computation.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M5, 4, 5, 72)
{
    q.grid(Grid{});
    lineAt(q, 1, 48, "Обчисліть:");
    q.picture("Image1", "SpS\\Q45.bmp", 195, 12, 92, 105, true);
    pictures(q, files("O45", {1, 2, 3, 4, 5}));

    q.solution([=](Steps &s) {
        s << "Розкладемо знаменник: 6<sup>5</sup> = 2<sup>5</sup>·3<sup>5</sup>.";
        s << "Скоротимо на 3<sup>5</sup> і поділимо степені з основою 2: "
             "2<sup>7</sup>/2<sup>5</sup> = 2<sup>7−5</sup> = 2<sup>2</sup> = 4.";
        s.answer("4");
    });
}
