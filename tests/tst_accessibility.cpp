#include "common/colour_label.h"
#include "common/line_field.h"
#include "main_window/form1.h"
#include "result_window/form2.h"
#include "test_support.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

// What a screen reader reaches: the widget's accessible interface.
QString accessibleText(QObject *object, QAccessible::Text which)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(which) : u"<no interface>"_s;
}

// The names of the labels that `object` is labelled by: the other objects that are its label.
QStringList labelledBy(QObject *object)
{
    QStringList names;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    const auto relations = iface->relations(QAccessible::Label);
    for (const auto &[other, relation] : relations)
        names << other->text(QAccessible::Name);
    return names;
}

// The window's elements that lie on its preview and are not invisible: what Windows' UI
// Automation tree holds of the preview.
QStringList previewElements(Form2 *window)
{
    QStringList names;
    QAccessibleInterface *form = QAccessible::queryAccessibleInterface(window);
    const QRect preview = QAccessible::queryAccessibleInterface(window->previewLabel(1))->rect();
    for (int i = 0; i < form->childCount(); ++i) {
        QAccessibleInterface *child = form->child(i);
        if (child->rect() == preview && !child->state().invisible)
            names << child->text(QAccessible::Name);
    }
    return names;
}

} // namespace

class TestAccessibility : public MainWindowTest
{
    Q_OBJECT

private slots:
    void partRowsHaveTwentyNames();
    void resultWindowFieldsAreNamed();
    void previewTellsColoursInWords_data();
    void previewTellsColoursInWords();
    void previewDescriptionChangesOnlyWithARefresh();
    void legendCellsTellCodeAndColour_data();
    void legendCellsTellCodeAndColour();
};

void TestAccessibility::partRowsHaveTwentyNames()
{
    QSet<QString> names;
    for (int row = 1; row <= 10; ++row) {
        const QString text = u"part %1 text"_s.arg(row);
        const QString colour = u"part %1 colour"_s.arg(row);
        QLineEdit *field = partText(m_form, row);
        QComboBox *list = colourList(m_form, row);
        // Windows reads the controls' own names.
        QCOMPARE(accessibleText(field, QAccessible::Name), text);
        QCOMPARE(list->accessibleName(), colour);
        QCOMPARE(accessibleText(list->lineEdit(), QAccessible::Name), colour); // where focus lands
        // Linux names an editable list by its text, and takes the label from the relation.
        QCOMPARE(labelledBy(field), QStringList{text});
        QCOMPARE(labelledBy(list), QStringList{colour});
        // The captions themselves stay as they are.
        const auto *caption = m_form->findChild<QLabel *>(u"Label%1"_s.arg(row));
        QCOMPARE(caption->text(), u"part%1"_s.arg(row));
        QCOMPARE(caption->buddy(), field);
        names << text << colour;
    }
    QCOMPARE(names.size(), 20);
}

void TestAccessibility::resultWindowFieldsAreNamed()
{
    Form2 *window = createName(m_form);
    QCOMPARE(accessibleText(window->resultField(), QAccessible::Name), u"name string"_s);
    QCOMPARE(accessibleText(window->pathField(), QAccessible::Name), u"name file path"_s);
    QCOMPARE(accessibleText(window->findChild<QWidget *>(u"Command1"_s), QAccessible::Name),
             u"copy into file:"_s);
    // Windows reads the keys in the names alone.
    QCOMPARE(accessibleText(window->findChild<QWidget *>(u"ChooseFile"_s), QAccessible::Name),
             u"choose the name file (F4)"_s);
    QCOMPARE(accessibleText(window->findChild<QWidget *>(u"Label2"_s), QAccessible::Name),
             u"dont forget the   seta name \"\" (Alt+S wraps the name)"_s);
    // The game check and the game's colours come right after the preview.
    QAccessibleInterface *form = QAccessible::queryAccessibleInterface(window);
    const int preview =
        form->indexOfChild(QAccessible::queryAccessibleInterface(window->previewLabel(1)));
    QCOMPARE(form->child(preview + 1)->text(QAccessible::Name),
             u"sets no name: the line is empty"_s);
    QCOMPARE(form->child(preview + 2)->text(QAccessible::Name), u"in game colours: "_s);
}

void TestAccessibility::previewTellsColoursInWords_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("description");

    const QString prompt = u"- select a color -"_s;
    QTest::newRow("tag and name") << Rows{{1, u"XYZ"_s, u"01 red"_s}, {2, u"Name"_s, u"07 white"_s}}
                                  << u"XYZ in red, Name in white"_s;
    QTest::newRow("no colour of its own: the one before")
        << Rows{{1, u"XYZ"_s, u"10 dodgerblue"_s}, {2, u"Name"_s, prompt}}
        << u"XYZ in dodgerblue, Name in dodgerblue"_s;
    QTest::newRow("no colour in part 1: white") << Rows{{1, u"XYZ"_s, prompt}} << u"XYZ in white"_s;
    QTest::newRow("a list text that names no colour")
        << Rows{{1, u"XYZ"_s, u"01 red"_s}, {2, u"Name"_s, u"01 Red"_s}}
        << u"XYZ in red, Name in grey, as \"01 Red\" names no colour"_s;
    QTest::newRow("empty parts are left out")
        << Rows{{1, QString(), u"01 red"_s}, {3, u"Name"_s, u"13 limegreen"_s}}
        << u"Name in limegreen"_s;
    QTest::newRow("nothing typed") << Rows{} << u"empty"_s;
}

void TestAccessibility::previewTellsColoursInWords()
{
    QFETCH(Rows, rows);
    QFETCH(QString, description);
    setRows(m_form, rows);
    Form2 *window = createName(m_form);
    ColourLabel *front = window->previewLabel(1);
    QCOMPARE(accessibleText(front, QAccessible::Name), u"name preview"_s);
    QCOMPARE(accessibleText(front, QAccessible::Description), description);
    QCOMPARE(previewElements(window), QStringList{u"name preview"_s}); // not ten
}

void TestAccessibility::previewDescriptionChangesOnlyWithARefresh()
{
    setRow(m_form, 1, u"XYZ"_s, u"01 red"_s);
    Form2 *window = createName(m_form);
    setRow(m_form, 1, u"ABC"_s, u"03 yellow"_s);
    QTest::qWait(20);
    QCOMPARE(accessibleText(window->previewLabel(1), QAccessible::Description), u"XYZ in red"_s);
    createName(m_form);
    QCOMPARE(accessibleText(window->previewLabel(1), QAccessible::Description), u"ABC in yellow"_s);
}

void TestAccessibility::legendCellsTellCodeAndColour_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("name");
    QTest::newRow("1") << 1 << u"1, ^1 red"_s;
    QTest::newRow("10") << 10 << u"10, ^d dodgerblue"_s;
    QTest::newRow("23") << 23 << u"23, ^w black"_s;
    QTest::newRow("26") << 26 << u"26, ^- darkgray"_s;
}

void TestAccessibility::legendCellsTellCodeAndColour()
{
    QFETCH(int, cell);
    QFETCH(QString, name);
    auto *number = m_form->findChild<QLabel *>(u"Label%1"_s.arg(cell + 20));
    QCOMPARE(number->text(), QString::number(cell));
    QCOMPARE(accessibleText(number, QAccessible::Name), name);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
