<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="hu_HU">
<context>
    <name>ProjectFile</name>
    <message>
        <source>Nincs meg a fájl: %1</source>
        <translation>File not found: %1</translation>
    </message>
</context>
</TS>
