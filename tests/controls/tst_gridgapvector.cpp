// The grid's gap vector against std::vector: after every step of a sequence of insertions,
// appends, swaps, resizes and clears, both hold the same elements in the same order, read
// by index and by iteration. The elements are vectors of move-only cells, as the grid's rows
// are (such a vector moved onto itself comes out empty).
#include "controls/grid/cgridgapvector.h"

#include <QRegularExpression>
#include <QTest>

#include <memory>
#include <vector>

class TstGridGapVector : public QObject {
    Q_OBJECT
private slots:
    void followsVector_data();
    void followsVector();
};

void TstGridGapVector::followsVector_data()
{
    // iP inserts at P; iP*N inserts N at P, P+1, ... as a paste does; b*N appends N; rN
    // resizes (adding empty elements); RN reserves; sA,B swaps; c clears.
    QTest::addColumn<QString>("steps");
    QTest::newRow("front") << "i0 i0 i0 i0 i0";
    QTest::newRow("end") << "b*20 i20 b";
    QTest::newRow("middle") << "b*6 i3 i3 i2 i5";
    QTest::newRow("advancing run past the gap's room") << "b*10 i2*40";
    QTest::newRow("insert after moving elsewhere") << "b*10 i2*5 i12 i1 i15 i0 b i7 i3*2";
    QTest::newRow("swap across the gap") << "b*8 i3*2 s0,9 s2,6 s4,5 s9,0";
    QTest::newRow("resize after, before and past the gap")
        << "b*10 i4*3 r12 r5 r9 i2*2 r3 b*2 r0 b";
    QTest::newRow("clear and fill again") << "b*5 i1*3 c b i0 i0*3";
    QTest::newRow("reserve with a gap inside") << "b*4 i2 R40 b*3 i1 R2 b";
}

void TstGridGapVector::followsVector()
{
    QFETCH(QString, steps);
    using Row = std::vector<std::unique_ptr<int>>;
    const auto row = [](int number) {
        Row made;
        made.push_back(std::make_unique<int>(number));
        return made;
    };
    const auto value = [](const Row& item) { return item.empty() ? -1 : *item.front(); };
    CGridGapVector<Row> gap;
    std::vector<int> model;
    int next = 0;
    for (const QString& step : steps.split(QLatin1Char(' '))) {
        const char op = step.at(0).toLatin1();
        const QStringList args = step.mid(1).split(QRegularExpression(QStringLiteral("[*,]")));
        const int a = args.value(0).toInt();
        const int b = args.size() > 1 ? args.value(1).toInt() : 1;
        switch (op) {
        case 'i':
        case 'b':
            for (int n = 0; n < b; ++n) {
                const std::size_t at = op == 'b' ? model.size() : size_t(a + n);
                model.insert(model.begin() + std::ptrdiff_t(at), next);
                if (op == 'b')
                    gap.push_back(row(next++));
                else
                    gap.insert(at, row(next++));
            }
            break;
        case 'r':
            model.resize(size_t(a), -1);
            gap.resize(size_t(a));
            break;
        case 'R':
            gap.reserve(size_t(a));
            break;
        case 's':
            std::swap(model[size_t(a)], model[size_t(b)]);
            std::swap(gap[size_t(a)], gap[size_t(b)]);
            break;
        case 'c':
            model.clear();
            gap.clear();
            break;
        }
        std::vector<int> byIndex, byIteration;
        for (std::size_t index = 0; index < gap.size(); ++index)
            byIndex.push_back(value(std::as_const(gap)[index]));
        for (Row& item : gap)
            byIteration.push_back(value(item));
        QVERIFY2(byIndex == model && byIteration == model, qPrintable(step));
    }
}

QTEST_MAIN(TstGridGapVector)
#include "tst_gridgapvector.moc"
