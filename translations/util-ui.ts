<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>SliderPopup</name>
    <message>
        <source>SliderPopup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abs max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abs min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each step moves the value by one unit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Wizard</name>
    <message>
        <source>Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>util::BitRangeWidget</name>
    <message>
        <source>Bit range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>util::ChartWidget</name>
    <message>
        <source>Title: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom axis %1: %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left axis %1: %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right axis %1: %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top axis %1: %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series (%1): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x %1 to %2, y %3 to %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>util::CtrlComboBox</name>
    <message>
        <source>--Invalid Values--</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>util::EditableLabel</name>
    <message>
        <source>Press F2 to edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows an editor for the text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>util::PlainTextEdit</name>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>util::RangeSlider</name>
    <message>
        <source>Lower value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>util::Wizard</name>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
