#include "main_window/form1.h"
#include "test_support.h"

#include <QApplication>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace TestSupport;

// The main window on a screen of twice the usual density (200 %).
class TestHighDensity : public MainWindowTest
{
    Q_OBJECT

private slots:
    void logosAreDrawnFromTheirSharpPictures_data();
    void logosAreDrawnFromTheirSharpPictures();
};

void TestHighDensity::logosAreDrawnFromTheirSharpPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("sharpPicture");
    QTest::newRow("large logo") << u"Image1"_s << QRect(320, 8, 262, 96)
                                << u":/prismark/logo_large@2x.bmp"_s;
    QTest::newRow("small logo") << u"Image29"_s << QRect(56, 24, 150, 45)
                                << u":/prismark/logo_small@2x.bmp"_s;
}

void TestHighDensity::logosAreDrawnFromTheirSharpPictures()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, sharpPicture);
    QCOMPARE(m_form->devicePixelRatioF(), 2.0);
    auto *logo = m_form->findChild<QWidget *>(name);
    QCOMPARE(logo->geometry(), place); // the same logical size and place at every scale

    const QImage drawn = logo->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage sharp = QImage(sharpPicture).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(drawn.size(), place.size() * 2);
    QCOMPARE(sharp.size(), place.size() * 2);
    // Pixel for pixel the 2x picture; the 1x one enlarged would differ along every edge.
    QCOMPARE(drawn, sharp);
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHighDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_high_density.moc"
