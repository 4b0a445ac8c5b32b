<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>SliderPopup</name>
    <message>
        <source>SliderPopup</source>
        <translation>Schieberegler</translation>
    </message>
    <message>
        <source>abs max</source>
        <translation>abs. Max</translation>
    </message>
    <message>
        <source>max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>abs min</source>
        <translation>abs. Min</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Each step moves the value by one unit</source>
        <translation>Jeder Schritt ändert den Wert um eine Einheit</translation>
    </message>
</context>
<context>
    <name>Wizard</name>
    <message>
        <source>Wizard</source>
        <translation>Assistent</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>util::BitRangeWidget</name>
    <message>
        <source>Bit range</source>
        <translation>Bitbereich</translation>
    </message>
    <message>
        <source>Bits %1 to %2</source>
        <translation>Bits %1 bis %2</translation>
    </message>
</context>
<context>
    <name>util::ChartWidget</name>
    <message>
        <source>Title: %1</source>
        <translation>Titel: %1</translation>
    </message>
    <message>
        <source>Bottom axis %1: %2 to %3</source>
        <translation>Untere Achse %1: %2 bis %3</translation>
    </message>
    <message>
        <source>Left axis %1: %2 to %3</source>
        <translation>Linke Achse %1: %2 bis %3</translation>
    </message>
    <message>
        <source>Right axis %1: %2 to %3</source>
        <translation>Rechte Achse %1: %2 bis %3</translation>
    </message>
    <message>
        <source>Top axis %1: %2 to %3</source>
        <translation>Obere Achse %1: %2 bis %3</translation>
    </message>
    <message>
        <source>No series</source>
        <translation>Keine Datenreihen</translation>
    </message>
    <message>
        <source>Series (%1): %2</source>
        <translation>Datenreihen (%1): %2</translation>
    </message>
    <message>
        <source>x %1 to %2, y %3 to %4</source>
        <translation>x %1 bis %2, y %3 bis %4</translation>
    </message>
</context>
<context>
    <name>util::CtrlComboBox</name>
    <message>
        <source>--Invalid Values--</source>
        <translation>--Ungültige Werte--</translation>
    </message>
</context>
<context>
    <name>util::EditableLabel</name>
    <message>
        <source>Press F2 to edit.</source>
        <translation>Zum Bearbeiten F2 drücken.</translation>
    </message>
    <message>
        <source>Start editing</source>
        <translation>Bearbeiten beginnen</translation>
    </message>
    <message>
        <source>Shows an editor for the text</source>
        <translation>Zeigt einen Editor für den Text</translation>
    </message>
</context>
<context>
    <name>util::PlainTextEdit</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>util::RangeSlider</name>
    <message>
        <source>Lower value</source>
        <translation>Unterer Wert</translation>
    </message>
    <message>
        <source>Upper value</source>
        <translation>Oberer Wert</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
</context>
<context>
    <name>util::Wizard</name>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
</context>
</TS>
