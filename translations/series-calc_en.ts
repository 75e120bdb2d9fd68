<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>ConvergencePlot</name>
    <message numerus="yes">
        <location filename="../convergence/ConvergencePlot.cpp" line="+206"/>
        <source>value, %n INF or NaN left out</source>
        <translation>
            <numerusform>value, %n INF or NaN left out</numerusform>
            <numerusform>value, %n INF or NaN left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1, %n left out: 0, INF or NaN</source>
        <translation>
            <numerusform>%1, %n left out: 0, INF or NaN</numerusform>
            <numerusform>%1, %n left out: 0, INF or NaN</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+41"/>
        <source>%1: %n terms</source>
        <translation>
            <numerusform>%1: %n term</numerusform>
            <numerusform>%1: %n terms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>, %n INF or NaN values left out</source>
        <translation>
            <numerusform>, %n INF or NaN value left out</numerusform>
            <numerusform>, %n INF or NaN values left out</numerusform>
        </translation>
    </message>
</context>
</TS>
