<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
    <context>
        <name>PlaceLookup</name>
        <message numerus="yes">
            <source>The first %n places found; type more of the name to narrow them.</source>
            <translation>
                <numerusform>The first %n places found; type more of the name to narrow them.</numerusform>
                <numerusform>The first %n places found; type more of the name to narrow them.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n places found.</source>
            <translation>
                <numerusform>%n place found.</numerusform>
                <numerusform>%n places found.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>WheelWords</name>
        <message numerus="yes">
            <source>%n aspects between the charts.</source>
            <translation>
                <numerusform>%n aspect between the charts.</numerusform>
                <numerusform>%n aspects between the charts.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n aspects within the chart.</source>
            <translation>
                <numerusform>%n aspect within the chart.</numerusform>
                <numerusform>%n aspects within the chart.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>astro::frmPlaceLookup</name>
        <message numerus="yes">
            <source>Places, %n found</source>
            <translation>
                <numerusform>Places, %n found</numerusform>
                <numerusform>Places, %n found</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>frmPeople</name>
        <message numerus="yes">
            <source>%1 of %n people</source>
            <translation>
                <numerusform>%1 of %n person</numerusform>
                <numerusform>%1 of %n people</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n people added.</source>
            <translation>
                <numerusform>%n person added.</numerusform>
                <numerusform>%n people added.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source> %n rows were left out:</source>
            <translation>
                <numerusform> %n row was left out:</numerusform>
                <numerusform> %n rows were left out:</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>
... and %n more.</source>
            <translation>
                <numerusform>
... and %n more.</numerusform>
                <numerusform>
... and %n more.</numerusform>
            </translation>
        </message>
    </context>
</TS>
