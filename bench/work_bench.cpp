// Times ComposeName with RefreshPreview and the result window's repaint, against a bare
// QLineEdit taking and showing the same final string, and WriteNameFile.
#include "common/line_field.h"
#include "main_window/form1.h"
#include "main_window/name_composer.h"
#include "main_window/program.h"
#include "name_file/clock.h"
#include "name_file/name_file.h"
#include "result_window/form2.h"
#include "result_window/preview_refresh.h"
#include "result_window/result_window_instance.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The median time of `work`, each run after an untimed `prepare(run)`.
double medianMilliseconds(int runs, const std::function<void(int)> &prepare,
                          const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare(i);
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void composeAgainstBare(Form1 *main, QLineEdit *bare, int partLength, int runs)
{
    // Each run composes another name, so that no widget can skip the work as unchanged.
    const QStringList names = {QString(partLength, u'n'), QString(partLength, u'm')};
    auto fillRows = [&](int run) {
        for (const PartRow &row : main->partRows()) {
            row.text->setText(names[run % 2]);
            row.colour->setEditText(u"01 red"_s);
        }
    };
    QTimer previewTimer;
    const double ours = medianMilliseconds(runs, fillRows, [&] {
        ComposeName(main->partRows(), previewTimer);
        RefreshPreview(main->partRows(), previewTimer);
        GetResultWindow()->repaint();
    });
    QString finalNames[2];
    for (int run : {0, 1}) {
        fillRows(run);
        finalNames[run] = NameString(main->partRows());
    }
    const double bareTime = medianMilliseconds(
        runs, [](int) {},
        [&, run = 0]() mutable {
            bare->setText(finalNames[run++ % 2]);
            bare->repaint();
        });
    std::printf("compose + refresh, 10 parts of %7d characters: %9.3f ms   bare QLineEdit: %9.3f "
                "ms   ratio %.2f   (%.1f ns per character)\n",
                partLength, ours, bareTime, ours / bareTime, ours * 1e6 / (10.0 * partLength));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Form1 *main = StartProgram();
    QLineEdit bare;
    bare.setMaxLength(std::numeric_limits<int>::max()); // takes the whole name, as ours does
    bare.resize(369, 19);
    bare.show();
    QCoreApplication::processEvents();

    for (int length : {100, 1000, 10000, 100000})
        composeAgainstBare(main, &bare, length, length >= 10000 ? 7 : 51);

    QTemporaryDir folder;
    const QString path = folder.filePath(u"prismark.cfg"_s);
    const QString name(100, u'n');
    const double write = medianMilliseconds(
        51, [](int) {}, [&] { WriteNameFile(path, name, systemClock()); });
    std::printf("WriteNameFile, a 100-character name: %.3f ms\n", write);

    delete main;
    delete GetResultWindow();
    return 0;
}
