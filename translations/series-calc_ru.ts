<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>TForm1</name>
    <message>
        <location filename="../form/Unit1.cpp" line="+39"/>
        <source>recorded precision</source>
        <translation>записанная точность</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>recorded x</source>
        <translation>записанный x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>recorded value of the e^2x series</source>
        <translation>записанное значение ряда для e^2x</translation>
    </message>
</context>
</TS>
