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
    void boundSettersGoThroughSetRange();
    void typingIntoLineEdit();
};

// Ranges as text so that one table serves both types; empty means the type's default.
void TestLongLongValidator::states_data()
{
    QTest::addColumn<bool>("isUnsigned");
    QTest::addColumn<QString>("bottom");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    const int invalid = QValidator::Invalid, intermediate = QValidator::Intermediate,
              ok = QValidator::Acceptable;

    QTest::newRow("s empty") << false << ""
                             << ""
                             << "" << intermediate;
    QTest::newRow("s minus") << false << ""
                             << ""
                             << "-" << intermediate;
    QTest::newRow("s max") << false << ""
                           << ""
                           << "9223372036854775807" << ok;
    QTest::newRow("s max+1") << false << ""
                             << ""
                             << "9223372036854775808" << invalid;
    QTest::newRow("s min") << false << ""
                           << ""
                           << "-9223372036854775808" << ok;
    QTest::newRow("s min-1") << false << ""
                             << ""
                             << "-9223372036854775809" << invalid;
    QTest::newRow("s inner space") << false << ""
                                   << ""
                                   << "12 3" << invalid;
    QTest::newRow("s leading space") << false << ""
                                     << ""
                                     << " 5" << invalid;
    QTest::newRow("s hex") << false << ""
                           << ""
                           << "0x10" << invalid;
    QTest::newRow("s huge") << false << ""
                            << "" << QString(5000, QLatin1Char('9')) << invalid;
    QTest::newRow("s [0,100] minus") << false << "0"
                                     << "100"
                                     << "-" << invalid;
    QTest::newRow("s [0,100] negative") << false << "0"
                                        << "100"
                                        << "-1" << invalid;
    QTest::newRow("s [10,100] below") << false << "10"
                                      << "100"
                                      << "5" << intermediate;
    QTest::newRow("s [10,100] above") << false << "10"
                                      << "100"
                                      << "500" << invalid;
    QTest::newRow("s [10,100] negative") << false << "10"
                                         << "100"
                                         << "-5" << invalid;
    QTest::newRow("s [10,100] inside") << false << "10"
                                       << "100"
                                       << "50" << ok;
    QTest::newRow("s [-100,-10] above") << false << "-100"
                                        << "-10"
                                        << "-5" << intermediate;
    QTest::newRow("s [-100,-10] below") << false << "-100"
                                        << "-10"
                                        << "-500" << invalid;
    QTest::newRow("s [-100,-10] positive") << false << "-100"
                                           << "-10"
                                           << "5" << invalid;
    QTest::newRow("u empty") << true << ""
                             << ""
                             << "" << intermediate;
    QTest::newRow("u max") << true << ""
                           << ""
                           << "18446744073709551615" << ok;
    QTest::newRow("u max+1") << true << ""
                             << ""
                             << "18446744073709551616" << invalid;
    QTest::newRow("u minus zero") << true << ""
                                  << ""
                                  << "-0" << invalid;
    QTest::newRow("u space") << true << ""
                             << ""
                             << "1 2" << invalid;
    QTest::newRow("u letters") << true << ""
                               << ""
                               << "1a" << invalid;
    QTest::newRow("u [10,100] below") << true << "10"
                                      << "100"
                                      << "5" << invalid;
    QTest::newRow("u [10,100] inside") << true << "10"
                                       << "100"
                                       << "50" << ok;
    QTest::newRow("u [10,100] empty") << true << "10"
                                      << "100"
                                      << "" << intermediate;
}

void TestLongLongValidator::states()
{
    QFETCH(bool, isUnsigned);
    QFETCH(QString, bottom);
    QFETCH(QString, top);
    QFETCH(QString, text);
    QFETCH(int, state);
    const QString original = text;
    int pos = 3;
    QValidator::State result;
    if (isUnsigned) {
        util::ULongLongValidator validator(nullptr);
        if (!bottom.isEmpty())
            validator.setRange(bottom.toULongLong(), top.toULongLong());
        result = validator.validate(text, pos);
    } else {
        util::LongLongValidator validator(nullptr);
        if (!bottom.isEmpty())
            validator.setRange(bottom.toLongLong(), top.toLongLong());
        result = validator.validate(text, pos);
    }
    QCOMPARE(int(result), state);
    QCOMPARE(text, original);
    QCOMPARE(pos, 3);
}

void TestLongLongValidator::boundSettersGoThroughSetRange()
{
    struct Recording : util::LongLongValidator
    {
        using LongLongValidator::LongLongValidator;
        QVector<QPair<qint64, qint64>> calls;
        void setRange(qint64 bottom, qint64 top) override
        {
            calls.append({ bottom, top });
            LongLongValidator::setRange(bottom, top);
        }
    } validator(-5, 5, nullptr);
    validator.setBottom(-3);
    validator.setProperty("top", qlonglong(7));
    QCOMPARE(validator.calls, (QVector<QPair<qint64, qint64>> { { -3, 5 }, { -3, 7 } }));
    QCOMPARE(validator.property("bottom").toLongLong(), qint64(-3));

    util::ULongLongValidator unsignedValidator(nullptr);
    QCOMPARE(unsignedValidator.top(), std::numeric_limits<quint64>::max());
    unsignedValidator.setTop(9);
    unsignedValidator.setBottom(2);
    QCOMPARE(unsignedValidator.property("bottom").toULongLong(), quint64(2));
    QCOMPARE(unsignedValidator.property("top").toULongLong(), quint64(9));
}

// A line edit keeps what validates as Intermediate and throws away what is Invalid.
void TestLongLongValidator::typingIntoLineEdit()
{
    QLineEdit edit;
    util::LongLongValidator validator(10, 100, nullptr);
    edit.setValidator(&validator);
    QTest::keyClicks(&edit, "5-00");
    QCOMPARE(edit.text(), QStringLiteral("50"));
    QVERIFY(edit.hasAcceptableInput());

    QLineEdit unsignedEdit;
    util::ULongLongValidator unsignedValidator(0, 100, nullptr);
    unsignedEdit.setValidator(&unsignedValidator);
    QTest::keyClicks(&unsignedEdit, "5-00");
    QCOMPARE(unsignedEdit.text(), QStringLiteral("50"));
    unsignedValidator.setBottom(60);
    unsignedEdit.clear();
    QTest::keyClicks(&unsignedEdit, "7");
    QCOMPARE(unsignedEdit.text(), QString()); // a partial number below bottom is refused
}

QTEST_MAIN(TestLongLongValidator)
#include "tst_long_long_validator.moc"
