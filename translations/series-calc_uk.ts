<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en">
<context>
    <name>TForm1</name>
    <message>
        <location filename="../form/Unit1.cpp" line="+39"/>
        <source>recorded precision</source>
        <translation>записана точність</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>recorded x</source>
        <translation>записаний x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>recorded value of the e^2x series</source>
        <translation>записане значення ряду для e^2x</translation>
    </message>
</context>
</TS>
