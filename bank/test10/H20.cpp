// Question 20: the signs of a and b read off the graph of y = a|x| + b. The
// sign pictures are options of Tests 5 and 7 too.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H20, 10, 20, 214)
{
    // Code 5 draws as the modulus bar.
    const QString bar(QChar(5));
    q.grid(wideGrid());
    q.line(1, "На рисунку зображено графік функції y=a" + bar + "x" + bar + "+b");
    q.line(2, "Укажіть знаки параметрів a i b.");
    q.picture("Image7", "SpS\\Q1020.bmp", 690, 49, 216, 213, true);
    pictures(q,
             {"SpS\\O6201.bmp", "SpS\\O6202.bmp", "SpS\\O6203.bmp", "SpS\\O6204.bmp",
              "SpS\\O6205.bmp"},
             QSize(118, 108));

    q.solution([=](Steps &s) {
        s << "При x = 0 маємо y = b; за графіком вершина в точці (0; 2), тож b = 2 &gt; 0.";
        s << "Гілки графіка напрямлені вниз, отже a &lt; 0.";
        s << "Справді, за графіком y(1) = 1, тож a = y(1) − b = 1 − 2 = −1.";
        s.answer("a &lt; 0, b &gt; 0");
    });
}
