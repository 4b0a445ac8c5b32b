// The signed and unsigned 64-bit validators, alone and in a line edit.
#include <util/long_long_validator.h>

#include <QLineEdit>
#include <QtTest>

class TestLongLongValidator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void states_data();
    void states();
    void typingIntoLineEdit();
};

// Ranges as text so that one table serves both types; an empty bound keeps the default range.
void TestLongLongValidator::states_data()
{
    QTest::addColumn<bool>("isUnsigned");
    QTest::addColumn<QString>("bottom");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    auto row
        = [](const char* name, bool u, const char* bottom, const char* top, const QString& text, int state) {
              QTest::newRow(name) << u << QString(bottom) << QString(top) << text << state;
          };
    const int invalid = QValidator::Invalid, intermediate = QValidator::Intermediate,
              ok = QValidator::Acceptable;
    row("s empty", false, "", "", "", intermediate);
    row("s minus", false, "", "", "-", intermediate);
    row("s max", false, "", "", "9223372036854775807", ok);
    row("s max+1", false, "", "", "9223372036854775808", invalid);
    row("s min", false, "", "", "-9223372036854775808", ok);
    row("s min-1", false, "", "", "-9223372036854775809", invalid);
    row("s huge", false, "", "", QString(5000, '9'), invalid);
    row("s [0,100] minus", false, "0", "100", "-", invalid);
    row("s [10,100] below", false, "10", "100", "5", intermediate);
    row("s [-100,-10] above", false, "-100", "-10", "-5", intermediate);
    row("s [-100,-10] below", false, "-100", "-10", "-500", invalid);
    row("s [-100,-10] positive", false, "-100", "-10", "5", invalid);
    row("u max", true, "", "", "18446744073709551615", ok);
    row("u max+1", true, "", "", "18446744073709551616", invalid);
    row("u minus zero", true, "", "", "-0", invalid);
    row("u [10,100] below", true, "10", "100", "5", invalid);
}

// The verdict leaves the text and the cursor alone.
void TestLongLongValidator::states()
{
    QFETCH(bool, isUnsigned);
    QFETCH(QString, bottom);
    QFETCH(QString, top);
    QFETCH(QString, text);
    QFETCH(int, state);
    const QString original = text;
    int pos = 3;
    util::LongLongValidator signedValidator(nullptr);
    util::ULongLongValidator unsignedValidator(nullptr);
    if (!bottom.isEmpty()) {
        signedValidator.setRange(bottom.toLongLong(), top.toLongLong());
        unsignedValidator.setRange(bottom.toULongLong(), top.toULongLong());
    }
    QValidator& validator = isUnsigned ? static_cast<QValidator&>(unsignedValidator) : signedValidator;
    QCOMPARE(int(validator.validate(text, pos)), state);
    QCOMPARE(text, original);
    QCOMPARE(pos, 3);
}

// A line edit keeps what validates as Intermediate and throws away what is Invalid.
void TestLongLongValidator::typingIntoLineEdit()
{
    QLineEdit edit;
    util::LongLongValidator validator(10, 100, nullptr);
    edit.setValidator(&validator);
    QTest::keyClicks(&edit, "5-00");
    QCOMPARE(edit.text(), QStringLiteral("50"));
}

QTEST_MAIN(TestLongLongValidator)
#include "tst_long_long_validator.moc"
