#include "main_window/form1.h"
#include "result_window/form2.h"
#include "test_support.h"

#include <QApplication>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace TestSupport;

// The windows on a dense screen, at the scale that QT_SCALE_FACTOR gives (200 % unless set).
class TestHighDensity : public MainWindowTest
{
    Q_OBJECT

private slots:
    void logosAreDrawnFromTheirSharpPictures_data();
    void logosAreDrawnFromTheirSharpPictures();
    void everyPixelIsPainted_data();
    void everyPixelIsPainted();
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
    auto *logo = m_form->findChild<QWidget *>(name);
    QCOMPARE(logo->geometry(), place); // the same logical size and place at every scale
    QCOMPARE(m_form->devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    if (m_form->devicePixelRatioF() != 2.0)
        QSKIP("the 2x picture is drawn pixel for pixel at 200 % only");

    const QImage drawn = logo->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage sharp = QImage(sharpPicture).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(sharp.size(), place.size() * 2);
    // Pixel for pixel the 2x picture; the 1x one enlarged would differ along every edge.
    QCOMPARE(drawn, sharp);
}

void TestHighDensity::everyPixelIsPainted_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("main window") << u"Form1"_s;
    QTest::newRow("result window") << u"Form2"_s;
    // Alone: a logo fills its whole box itself, to the last partial pixel.
    QTest::newRow("small logo") << u"Image29"_s;
}

// At a fractional scale a widget's edge falls inside a screen pixel; that pixel must still be
// painted by someone. The widget and its children are rendered onto transparency, without the
// window's own background: what stays transparent is a pixel that nothing painted, which the
// screen shows as black or as the background.
void TestHighDensity::everyPixelIsPainted()
{
    QFETCH(QString, name);
    QWidget *window = name == u"Form2" ? static_cast<QWidget *>(createName(m_form))
                      : name == u"Form1" ? m_form
                                         : m_form->findChild<QWidget *>(name);
    const qreal scale = window->devicePixelRatioF();
    QImage image(window->size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    window->render(&image, {}, {}, QWidget::DrawChildren);
    const int unpainted =
        countPixels(image, image.rect(), [](QRgb pixel) { return qAlpha(pixel) != 255; });
    QCOMPARE(unpainted, 0);
}

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHighDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_high_density.moc"
