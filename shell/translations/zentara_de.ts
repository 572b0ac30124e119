<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
    <context>
        <name>AspectGrid</name>
        <message>
            <source>His %1</source>
            <translation>Sein %1</translation>
        </message>
        <message>
            <source>Her %1</source>
            <translation>Ihr %1</translation>
        </message>
        <message>
            <source>Aspects grid</source>
            <translation>Aspekttabelle</translation>
        </message>
        <message>
            <source>His points down, her points across; each cell says the aspect they make, if any.</source>
            <translation>Seine Punkte untereinander, ihre nebeneinander; jede Zelle nennt den Aspekt, den sie bilden, falls einer besteht.</translation>
        </message>
        <message>
            <source>His points down, her points across</source>
            <translation>Seine Punkte untereinander, ihre nebeneinander</translation>
        </message>
        <message>
            <source>His %1 and her %2: no aspect</source>
            <translation>Sein %1 und ihr %2: kein Aspekt</translation>
        </message>
        <message>
            <source>His %1 and her %2: %3, %4 from exact</source>
            <translation>Sein %1 und ihr %2: %3, %4 vom exakten Winkel</translation>
        </message>
    </context>
    <context>
        <name>AspectsView</name>
        <message>
            <source>His %1</source>
            <translation>Sein %1</translation>
        </message>
        <message>
            <source>Her %1</source>
            <translation>Ihr %1</translation>
        </message>
        <message>
            <source>Tightest aspects:</source>
            <translation>Engste Aspekte:</translation>
        </message>
        <message>
            <source>None within the orbs.</source>
            <translation>Keiner innerhalb der Orben.</translation>
        </message>
    </context>
    <context>
        <name>Checks</name>
        <message>
            <source>Please Enter your Correct Date Or Month!</source>
            <translation>Bitte geben Sie Ihren richtigen Tag oder Monat ein!</translation>
        </message>
        <message>
            <source>Please Enter Your Correct Date Or Month!</source>
            <translation>Bitte geben Sie Ihren richtigen Tag oder Monat ein!</translation>
        </message>
        <message>
            <source>Please Enter Your Correct Date Or Month !</source>
            <translation>Bitte geben Sie Ihren richtigen Tag oder Monat ein!</translation>
        </message>
        <message>
            <source>Please Enter Your Partner's Correct Date Or Month!</source>
            <translation>Bitte geben Sie den richtigen Tag oder Monat Ihres Partners ein!</translation>
        </message>
        <message>
            <source>Please Enter Your Partner's Correct Date Or Month !</source>
            <translation>Bitte geben Sie den richtigen Tag oder Monat Ihres Partners ein!</translation>
        </message>
        <message>
            <source>Male: First Name cannot be blank</source>
            <translation>Mann: Der Vorname darf nicht leer sein</translation>
        </message>
        <message>
            <source>Male: Last Name cannot be blank</source>
            <translation>Mann: Der Nachname darf nicht leer sein</translation>
        </message>
        <message>
            <source>Female: First Name cannot be blank</source>
            <translation>Frau: Der Vorname darf nicht leer sein</translation>
        </message>
        <message>
            <source>Female: Last Name cannot be blank</source>
            <translation>Frau: Der Nachname darf nicht leer sein</translation>
        </message>
        <message>
            <source>Male: Date of Birth cannot be blank</source>
            <translation>Mann: Der Geburtstag darf nicht leer sein</translation>
        </message>
        <message>
            <source>Male: Month of Birth cannot be blank</source>
            <translation>Mann: Der Geburtsmonat darf nicht leer sein</translation>
        </message>
        <message>
            <source>Male: Year of Birth cannot be blank</source>
            <translation>Mann: Das Geburtsjahr darf nicht leer sein</translation>
        </message>
        <message>
            <source>Female: Date of Birth cannot be blank</source>
            <translation>Frau: Der Geburtstag darf nicht leer sein</translation>
        </message>
        <message>
            <source>Female: Month of Birth cannot be blank</source>
            <translation>Frau: Der Geburtsmonat darf nicht leer sein</translation>
        </message>
        <message>
            <source>Female: Year of Birth cannot be blank</source>
            <translation>Frau: Das Geburtsjahr darf nicht leer sein</translation>
        </message>
        <message>
            <source>Please Enter Male Name</source>
            <translation>Bitte Namen des Mannes eingeben</translation>
        </message>
        <message>
            <source>Please Enter Female Name</source>
            <translation>Bitte Namen der Frau eingeben</translation>
        </message>
        <message>
            <source>Please Enter Degree in Latitude</source>
            <translation>Bitte Grad der Breite eingeben</translation>
        </message>
        <message>
            <source>Please Enter Minutes in Latitude</source>
            <translation>Bitte Minuten der Breite eingeben</translation>
        </message>
        <message>
            <source>Please Enter Degree in Longitude</source>
            <translation>Bitte Grad der Länge eingeben</translation>
        </message>
        <message>
            <source>Please Enter Minute in Longitude</source>
            <translation>Bitte Minuten der Länge eingeben</translation>
        </message>
        <message>
            <source>Please Enter Minutes in Longitude</source>
            <translation>Bitte Minuten der Länge eingeben</translation>
        </message>
        <message>
            <source>Please Enter City</source>
            <translation>Bitte Stadt eingeben</translation>
        </message>
        <message>
            <source>Please Enter State</source>
            <translation>Bitte Bundesland eingeben</translation>
        </message>
        <message>
            <source>Please Enter Country</source>
            <translation>Bitte Land eingeben</translation>
        </message>
        <message>
            <source>Please Select Direction For The Latitude</source>
            <translation>Bitte Richtung der Breite wählen</translation>
        </message>
        <message>
            <source>Please Select Direction For The Longitude</source>
            <translation>Bitte Richtung der Länge wählen</translation>
        </message>
        <message>
            <source>Please enter only letters</source>
            <translation>Bitte nur Buchstaben eingeben</translation>
        </message>
        <message>
            <source>Please enter only numbers</source>
            <translation>Bitte nur Ziffern eingeben</translation>
        </message>
        <message>
            <source>The couple report takes names of at most 100 letters.</source>
            <translation>Der Paarbericht nimmt Namen mit höchstens 100 Buchstaben.</translation>
        </message>
    </context>
    <context>
        <name>CoupleReport</name>
        <message>
            <source>Couple Report</source>
            <translation>Paarbericht</translation>
        </message>
    </context>
    <context>
        <name>FileExport</name>
        <message>
            <source>its contents could not be made</source>
            <translation>sein Inhalt konnte nicht erstellt werden</translation>
        </message>
        <message>
            <source>Could not save %1: %2</source>
            <translation>%1 konnte nicht gespeichert werden: %2</translation>
        </message>
        <message>
            <source>PDF Document (*.pdf)|*.pdf</source>
            <translation>PDF-Dokument (*.pdf)|*.pdf</translation>
        </message>
        <message>
            <source>Export as PDF</source>
            <translation>Als PDF exportieren</translation>
        </message>
    </context>
    <context>
        <name>HelpMenu</name>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Hilfe</translation>
        </message>
        <message>
            <source>Check for Software &amp;Update</source>
            <translation>Nach &amp;Aktualisierung suchen</translation>
        </message>
        <message>
            <source>&amp;About Software</source>
            <translation>Ü&amp;ber die Software</translation>
        </message>
    </context>
    <context>
        <name>HouseTables</name>
        <message>
            <source>Cusps: %1</source>
            <translation>Spitzen: %1</translation>
        </message>
        <message>
            <source>House</source>
            <translation>Haus</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Mann</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Frau</translation>
        </message>
        <message>
            <source>His points in her houses</source>
            <translation>Seine Punkte in ihren Häusern</translation>
        </message>
        <message>
            <source>His point</source>
            <translation>Sein Punkt</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>Position</translation>
        </message>
        <message>
            <source>Her house</source>
            <translation>Ihr Haus</translation>
        </message>
        <message>
            <source>His house</source>
            <translation>Sein Haus</translation>
        </message>
        <message>
            <source>Her points in his houses</source>
            <translation>Ihre Punkte in seinen Häusern</translation>
        </message>
        <message>
            <source>Her point</source>
            <translation>Ihr Punkt</translation>
        </message>
    </context>
    <context>
        <name>HousesView</name>
        <message>
            <source>Houses of both charts and where each partner's points fall</source>
            <translation>Häuser beider Horoskope und wohin die Punkte jedes Partners fallen</translation>
        </message>
    </context>
    <context>
        <name>Language</name>
        <message>
            <source>&amp;Language...</source>
            <translation>&amp;Sprache...</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Choose the language of the windows. It is used from the next time the program starts.</source>
            <translation>Wählen Sie die Sprache der Fenster. Sie gilt ab dem nächsten Start des Programms.</translation>
        </message>
    </context>
    <context>
        <name>MDIForm1</name>
        <message>
            <source>&amp;Placidus</source>
            <translation>&amp;Placidus</translation>
        </message>
        <message>
            <source>&amp;Koch</source>
            <translation>&amp;Koch</translation>
        </message>
        <message>
            <source>&amp;Regiomontanus</source>
            <translation>&amp;Regiomontanus</translation>
        </message>
        <message>
            <source>&amp;Campanus</source>
            <translation>&amp;Campanus</translation>
        </message>
        <message>
            <source>P&amp;orphyry</source>
            <translation>P&amp;orphyrius</translation>
        </message>
        <message>
            <source>&amp;Equal</source>
            <translation>&amp;Äqual</translation>
        </message>
        <message>
            <source>&amp;Whole Sign</source>
            <translation>&amp;Ganzzeichen</translation>
        </message>
        <message>
            <source>QM Orvanel Software</source>
            <translation>QM Orvanel Software</translation>
        </message>
        <message>
            <source>&amp;Print</source>
            <translation>&amp;Drucken</translation>
        </message>
        <message>
            <source>&amp;Back</source>
            <translation>&amp;Zurück</translation>
        </message>
        <message>
            <source>&amp;Exit</source>
            <translation>&amp;Beenden</translation>
        </message>
        <message>
            <source>Chart Wheel</source>
            <translation>Horoskoprad</translation>
        </message>
        <message>
            <source>Aspects</source>
            <translation>Aspekte</translation>
        </message>
        <message>
            <source>Houses</source>
            <translation>Häuser</translation>
        </message>
        <message>
            <source>Relationship</source>
            <translation>Beziehung</translation>
        </message>
        <message>
            <source>Scores</source>
            <translation>Wertungen</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Mann</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Frau</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Datei</translation>
        </message>
        <message>
            <source>Export as &amp;PDF...</source>
            <translation>Als &amp;PDF exportieren...</translation>
        </message>
        <message>
            <source>Save Chart &amp;Picture...</source>
            <translation>Horoskop&amp;bild speichern...</translation>
        </message>
        <message>
            <source>Couple &amp;Report...</source>
            <translation>Paar&amp;bericht...</translation>
        </message>
        <message>
            <source>Positions on the Equinox of &amp;Date</source>
            <translation>Positionen auf das Äquinoktium des &amp;Datums</translation>
        </message>
        <message>
            <source>&amp;Mean Node</source>
            <translation>&amp;Mittlerer Mondknoten</translation>
        </message>
        <message>
            <source>&amp;True Node</source>
            <translation>&amp;Wahrer Mondknoten</translation>
        </message>
        <message>
            <source>Aspect &amp;Orbs...</source>
            <translation>Aspekt&amp;orben...</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>&amp;Fenster</translation>
        </message>
        <message>
            <source>&amp;Report</source>
            <translation>&amp;Bericht</translation>
        </message>
        <message>
            <source>Chart &amp;Wheel</source>
            <translation>Horoskop&amp;rad</translation>
        </message>
        <message>
            <source>&amp;Aspects</source>
            <translation>&amp;Aspekte</translation>
        </message>
        <message>
            <source>&amp;Houses</source>
            <translation>&amp;Häuser</translation>
        </message>
        <message>
            <source>Re&amp;lationship</source>
            <translation>Be&amp;ziehung</translation>
        </message>
        <message>
            <source>&amp;Scores</source>
            <translation>&amp;Wertungen</translation>
        </message>
        <message>
            <source>&amp;Online Help</source>
            <translation>&amp;Online-Hilfe</translation>
        </message>
        <message>
            <source>&amp;Visit Us Online</source>
            <translation>Besuchen Sie &amp;uns online</translation>
        </message>
        <message>
            <source>House &amp;System</source>
            <translation>Häuser&amp;system</translation>
        </message>
        <message>
            <source>Houses &amp;of:</source>
            <translation>Häuser &amp;von:</translation>
        </message>
    </context>
    <context>
        <name>Months</name>
        <message>
            <source>January</source>
            <translation>Januar</translation>
        </message>
        <message>
            <source>February</source>
            <translation>Februar</translation>
        </message>
        <message>
            <source>March</source>
            <translation>März</translation>
        </message>
        <message>
            <source>April</source>
            <translation>April</translation>
        </message>
        <message>
            <source>May</source>
            <translation>Mai</translation>
        </message>
        <message>
            <source>June</source>
            <translation>Juni</translation>
        </message>
        <message>
            <source>July</source>
            <translation>Juli</translation>
        </message>
        <message>
            <source>August</source>
            <translation>August</translation>
        </message>
        <message>
            <source>September</source>
            <translation>September</translation>
        </message>
        <message>
            <source>October</source>
            <translation>Oktober</translation>
        </message>
        <message>
            <source>November</source>
            <translation>November</translation>
        </message>
        <message>
            <source>December</source>
            <translation>Dezember</translation>
        </message>
    </context>
    <context>
        <name>PeopleBook</name>
        <message>
            <source>The book of people cannot be written: %1</source>
            <translation>Das Personenbuch kann nicht geschrieben werden: %1</translation>
        </message>
        <message>
            <source>The book of people cannot be used: %1</source>
            <translation>Das Personenbuch kann nicht benutzt werden: %1</translation>
        </message>
        <message>
            <source>The book of people: %1</source>
            <translation>Das Personenbuch: %1</translation>
        </message>
    </context>
    <context>
        <name>PersonButtons</name>
        <message>
            <source>The person cannot be saved: %1: %2</source>
            <translation>Die Person kann nicht gespeichert werden: %1: %2</translation>
        </message>
        <message>
            <source>%1 was not saved: another window or program changed or removed the person just now. Save again to store the entries.</source>
            <translation>%1 wurde nicht gespeichert: Ein anderes Fenster oder Programm hat die Person gerade geändert oder entfernt. Speichern Sie erneut, um die Angaben abzulegen.</translation>
        </message>
        <message>
            <source>%1 was added to the book of people.</source>
            <translation>%1 wurde dem Personenbuch hinzugefügt.</translation>
        </message>
        <message>
            <source>%1 was saved in the book of people.</source>
            <translation>%1 wurde im Personenbuch gespeichert.</translation>
        </message>
    </context>
    <context>
        <name>PlaceLookup</name>
        <message>
            <source>Did you mean %1?</source>
            <translation>Meinten Sie %1?</translation>
        </message>
        <message>
            <source>Did you mean %1 or %2?</source>
            <translation>Meinten Sie %1 oder %2?</translation>
        </message>
        <message>
            <source>Did you mean %1, %2 or %3?</source>
            <translation>Meinten Sie %1, %2 oder %3?</translation>
        </message>
        <message>
            <source>Did you mean %1, %2, %3 or %4?</source>
            <translation>Meinten Sie %1, %2, %3 oder %4?</translation>
        </message>
        <message>
            <source>Did you mean %1, %2, %3, %4 or %5?</source>
            <translation>Meinten Sie %1, %2, %3, %4 oder %5?</translation>
        </message>
        <message>
            <source>No place is named %1 or has a name beginning with it.</source>
            <translation>Kein Ort heißt %1 oder hat einen Namen, der so beginnt.</translation>
        </message>
        <message>
            <source>Type the name of the city.</source>
            <translation>Geben Sie den Namen der Stadt ein.</translation>
        </message>
        <message>
            <source>No country named %1.</source>
            <translation>Kein Land namens %1.</translation>
        </message>
        <message>
            <source>No %1 in the state %2: the state is left out.</source>
            <translation>Kein %1 im Bundesland %2: Das Bundesland wird weggelassen.</translation>
        </message>
        <message>
            <source>No country named %1: the country is left out.</source>
            <translation>Kein Land namens %1: Das Land wird weggelassen.</translation>
        </message>
        <message>
            <source>No %1 in the country %2: the country is left out.</source>
            <translation>Kein %1 im Land %2: Das Land wird weggelassen.</translation>
        </message>
        <message>
            <source>No country named %1, and no %2 in the state %3: both are left out.</source>
            <translation>Kein Land namens %1 und kein %2 im Bundesland %3: Beide werden weggelassen.</translation>
        </message>
        <message>
            <source>No %1 with the state %2 or the country %3: both are left out.</source>
            <translation>Kein %1 mit dem Bundesland %2 oder dem Land %3: Beide werden weggelassen.</translation>
        </message>
        <message numerus="yes">
            <source>The first %n places found; type more of the name to narrow them.</source>
            <translation>
                <numerusform>Der erste gefundene Ort; tippen Sie mehr vom Namen, um die Suche einzugrenzen.</numerusform>
                <numerusform>Die ersten %n gefundenen Orte; tippen Sie mehr vom Namen, um die Suche einzugrenzen.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n places found.</source>
            <translation>
                <numerusform>%n Ort gefunden.</numerusform>
                <numerusform>%n Orte gefunden.</numerusform>
            </translation>
        </message>
        <message>
            <source>Offsets at the birth date and time on the form: %1.</source>
            <translation>Zeitverschiebungen zum Geburtsdatum und zur Geburtszeit im Formular: %1.</translation>
        </message>
        <message>
            <source>The birth date is still the form's start value, so the offsets shown are for %1; after Fill In the time zone follows the birth date when it is set.</source>
            <translation>Das Geburtsdatum ist noch der Startwert des Formulars, daher gelten die gezeigten Verschiebungen für %1; nach „Übernehmen“ folgt die Zeitzone dem Geburtsdatum, sobald es gesetzt ist.</translation>
        </message>
        <message>
            <source>The birth date on the form is not on the calendar, so no time zone is suggested: Fill In sets the latitude and longitude only.</source>
            <translation>Das Geburtsdatum im Formular steht nicht im Kalender, daher wird keine Zeitzone vorgeschlagen: „Übernehmen“ setzt nur Breite und Länge.</translation>
        </message>
        <message>
            <source>The time-zone database has no zone %1, so no time zone is suggested: Fill In sets the latitude and longitude only.</source>
            <translation>Die Zeitzonendatenbank kennt die Zone %1 nicht, daher wird keine Zeitzone vorgeschlagen: „Übernehmen“ setzt nur Breite und Länge.</translation>
        </message>
        <message>
            <source>Fill In sets the time zone %1 and checks Daylight Saving Time.</source>
            <translation>„Übernehmen“ setzt die Zeitzone %1 und kreuzt Sommerzeit an.</translation>
        </message>
        <message>
            <source>Fill In sets the time zone %1 and clears Daylight Saving Time.</source>
            <translation>„Übernehmen“ setzt die Zeitzone %1 und entfernt das Kreuz bei Sommerzeit.</translation>
        </message>
        <message>
            <source>No time zone of the list gives UTC%1: Fill In sets the latitude and longitude only and leaves the time zone and Daylight Saving Time as they are.</source>
            <translation>Keine Zeitzone der Liste ergibt UTC%1: „Übernehmen“ setzt nur Breite und Länge und lässt Zeitzone und Sommerzeit, wie sie sind.</translation>
        </message>
        <message>
            <source>The birth time %1 never showed on the place's clocks, which were put forward over it; the offset is the one in force before the change.</source>
            <translation>Die Geburtszeit %1 zeigten die Uhren des Ortes nie, sie wurden darüber vorgestellt; die Verschiebung ist die vor der Umstellung gültige.</translation>
        </message>
        <message>
            <source>The birth time %1 showed twice on the place's clocks, which were put back over it; the offset is that of the first time.</source>
            <translation>Die Geburtszeit %1 zeigten die Uhren des Ortes zweimal, sie wurden darüber zurückgestellt; die Verschiebung ist die des ersten Mals.</translation>
        </message>
    </context>
    <context>
        <name>Points</name>
        <message>
            <source>Sun</source>
            <translation>Sonne</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>Mond</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>Merkur</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>Venus</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>Mars</translation>
        </message>
        <message>
            <source>Jupiter</source>
            <translation>Jupiter</translation>
        </message>
        <message>
            <source>Saturn</source>
            <translation>Saturn</translation>
        </message>
        <message>
            <source>Uranus</source>
            <translation>Uranus</translation>
        </message>
        <message>
            <source>Neptune</source>
            <translation>Neptun</translation>
        </message>
        <message>
            <source>Pluto</source>
            <translation>Pluto</translation>
        </message>
        <message>
            <source>North Node</source>
            <translation>Nördlicher Mondknoten</translation>
        </message>
        <message>
            <source>South Node</source>
            <translation>Südlicher Mondknoten</translation>
        </message>
        <message>
            <source>Ascendant</source>
            <translation>Aszendent</translation>
        </message>
        <message>
            <source>Midheaven</source>
            <translation>Medium Coeli</translation>
        </message>
    </context>
    <context>
        <name>Positions</name>
        <message>
            <source>Sun to Pluto on the equinox of J2000; true node</source>
            <translation>Sonne bis Pluto auf das Äquinoktium J2000; wahrer Mondknoten</translation>
        </message>
        <message>
            <source>Sun to Pluto on the equinox of J2000</source>
            <translation>Sonne bis Pluto auf das Äquinoktium J2000</translation>
        </message>
        <message>
            <source>Positions of date, true to the sky; true node; scores use these positions</source>
            <translation>Positionen des Datums, wie am Himmel; wahrer Mondknoten; die Wertungen nutzen diese Positionen</translation>
        </message>
        <message>
            <source>Positions of date, true to the sky; scores use these positions</source>
            <translation>Positionen des Datums, wie am Himmel; die Wertungen nutzen diese Positionen</translation>
        </message>
    </context>
    <context>
        <name>ReadingBox</name>
        <message>
            <source>No printer is available.</source>
            <translation>Kein Drucker verfügbar.</translation>
        </message>
        <message>
            <source>Rich Text Format | *.kvz</source>
            <translation>Rich Text Format | *.kvz</translation>
        </message>
        <message>
            <source>Save Your Numerology Compatibility Result ....</source>
            <translation>Ihr numerologisches Ergebnis speichern ....</translation>
        </message>
    </context>
    <context>
        <name>Relationship</name>
        <message>
            <source>Composite: midpoints of both charts, houses by midpoints of %1 cusps</source>
            <translation>Komposit: Mittelpunkte beider Horoskope, Häuser aus den Mittelpunkten der %1-Spitzen</translation>
        </message>
        <message>
            <source>Davison: %1 UT at %2, local mean time %3</source>
            <translation>Davison: %1 UT in %2, mittlere Ortszeit %3</translation>
        </message>
    </context>
    <context>
        <name>RelationshipView</name>
        <message>
            <source>Composite</source>
            <translation>Komposit</translation>
        </message>
        <message>
            <source>Davison</source>
            <translation>Davison</translation>
        </message>
        <message>
            <source>Point</source>
            <translation>Punkt</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>Position</translation>
        </message>
        <message>
            <source>House</source>
            <translation>Haus</translation>
        </message>
        <message>
            <source>Cusp</source>
            <translation>Spitze</translation>
        </message>
        <message>
            <source>Aspects within the chart:</source>
            <translation>Aspekte innerhalb des Horoskops:</translation>
        </message>
        <message>
            <source>None within the orbs.</source>
            <translation>Keiner innerhalb der Orben.</translation>
        </message>
        <message>
            <source>Cusp %1</source>
            <translation>Spitze %1</translation>
        </message>
        <message>
            <source>&amp;Chart:</source>
            <translation>&amp;Horoskop:</translation>
        </message>
    </context>
    <context>
        <name>ReportWindow</name>
        <message>
            <source>&amp;Print</source>
            <translation>&amp;Drucken</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Speichern</translation>
        </message>
        <message>
            <source>&amp;Back</source>
            <translation>&amp;Zurück</translation>
        </message>
        <message>
            <source>&amp;Exit</source>
            <translation>&amp;Beenden</translation>
        </message>
        <message>
            <source>Reading</source>
            <translation>Deutung</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Datei</translation>
        </message>
        <message>
            <source>Export as &amp;PDF...</source>
            <translation>Als &amp;PDF exportieren...</translation>
        </message>
    </context>
    <context>
        <name>ScoresView</name>
        <message>
            <source>The four figures</source>
            <translation>Die vier Werte</translation>
        </message>
        <message>
            <source>A second score</source>
            <translation>Eine zweite Wertung</translation>
        </message>
    </context>
    <context>
        <name>Signs</name>
        <message>
            <source>Aries</source>
            <translation>Widder</translation>
        </message>
        <message>
            <source>Taurus</source>
            <translation>Stier</translation>
        </message>
        <message>
            <source>Gemini</source>
            <translation>Zwillinge</translation>
        </message>
        <message>
            <source>Cancer</source>
            <translation>Krebs</translation>
        </message>
        <message>
            <source>Leo</source>
            <translation>Löwe</translation>
        </message>
        <message>
            <source>Virgo</source>
            <translation>Jungfrau</translation>
        </message>
        <message>
            <source>Libra</source>
            <translation>Waage</translation>
        </message>
        <message>
            <source>Scorpio</source>
            <translation>Skorpion</translation>
        </message>
        <message>
            <source>Sagittarius</source>
            <translation>Schütze</translation>
        </message>
        <message>
            <source>Capricorn</source>
            <translation>Steinbock</translation>
        </message>
        <message>
            <source>Aquarius</source>
            <translation>Wassermann</translation>
        </message>
        <message>
            <source>Pisces</source>
            <translation>Fische</translation>
        </message>
    </context>
    <context>
        <name>SpokenNames</name>
        <message>
            <source>Your name</source>
            <translation>Ihr Name</translation>
        </message>
        <message>
            <source>Your birth month</source>
            <translation>Ihr Geburtsmonat</translation>
        </message>
        <message>
            <source>Your birth day</source>
            <translation>Ihr Geburtstag</translation>
        </message>
        <message>
            <source>Your birth year</source>
            <translation>Ihr Geburtsjahr</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Mann</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Frau</translation>
        </message>
        <message>
            <source>%1 first name</source>
            <translation>%1: Vorname</translation>
        </message>
        <message>
            <source>%1 middle name</source>
            <translation>%1: zweiter Vorname</translation>
        </message>
        <message>
            <source>%1 last name</source>
            <translation>%1: Nachname</translation>
        </message>
        <message>
            <source>%1 birth month</source>
            <translation>%1: Geburtsmonat</translation>
        </message>
        <message>
            <source>%1 birth day</source>
            <translation>%1: Geburtstag</translation>
        </message>
        <message>
            <source>%1 birth year</source>
            <translation>%1: Geburtsjahr</translation>
        </message>
        <message>
            <source>Choose Person for %1...</source>
            <translation>Person wählen für %1...</translation>
        </message>
        <message>
            <source>Save Person for %1</source>
            <translation>Person speichern für %1</translation>
        </message>
        <message>
            <source>Marriage day</source>
            <translation>Hochzeitstag</translation>
        </message>
        <message>
            <source>Marriage month</source>
            <translation>Hochzeitsmonat</translation>
        </message>
        <message>
            <source>Marriage year</source>
            <translation>Hochzeitsjahr</translation>
        </message>
        <message>
            <source>Exit the program</source>
            <translation>Programm beenden</translation>
        </message>
        <message>
            <source>%1 name</source>
            <translation>%1: Name</translation>
        </message>
        <message>
            <source>%1 birth hour</source>
            <translation>%1: Geburtsstunde</translation>
        </message>
        <message>
            <source>%1 birth minute</source>
            <translation>%1: Geburtsminute</translation>
        </message>
        <message>
            <source>%1 time zone</source>
            <translation>%1: Zeitzone</translation>
        </message>
        <message>
            <source>%1 daylight saving time</source>
            <translation>%1: Sommerzeit</translation>
        </message>
        <message>
            <source>%1 latitude degrees</source>
            <translation>%1: Breitengrade</translation>
        </message>
        <message>
            <source>%1 latitude minutes</source>
            <translation>%1: Breitenminuten</translation>
        </message>
        <message>
            <source>%1 latitude %2</source>
            <translation>%1: Breite %2</translation>
        </message>
        <message>
            <source>%1 longitude degrees</source>
            <translation>%1: Längengrade</translation>
        </message>
        <message>
            <source>%1 longitude minutes</source>
            <translation>%1: Längenminuten</translation>
        </message>
        <message>
            <source>%1 longitude %2</source>
            <translation>%1: Länge %2</translation>
        </message>
        <message>
            <source>Find the male latitude and longitude</source>
            <translation>Breite und Länge des Mannes finden</translation>
        </message>
        <message>
            <source>Find the female latitude and longitude</source>
            <translation>Breite und Länge der Frau finden</translation>
        </message>
        <message>
            <source>%1 city</source>
            <translation>%1: Stadt</translation>
        </message>
        <message>
            <source>%1 state</source>
            <translation>%1: Bundesland</translation>
        </message>
        <message>
            <source>%1 country</source>
            <translation>%1: Land</translation>
        </message>
        <message>
            <source>City</source>
            <translation>Stadt</translation>
        </message>
        <message>
            <source>State</source>
            <translation>Bundesland</translation>
        </message>
        <message>
            <source>Country</source>
            <translation>Land</translation>
        </message>
        <message>
            <source>Places</source>
            <translation>Orte</translation>
        </message>
        <message>
            <source>Chart pages</source>
            <translation>Horoskopseiten</translation>
        </message>
        <message>
            <source>Houses of</source>
            <translation>Häuser von</translation>
        </message>
        <message>
            <source>Astro report</source>
            <translation>Astrologischer Bericht</translation>
        </message>
        <message>
            <source>People</source>
            <translation>Personen</translation>
        </message>
        <message>
            <source>Usual frame</source>
            <translation>Üblicher Rahmen</translation>
        </message>
        <message>
            <source>Time zone</source>
            <translation>Zeitzone</translation>
        </message>
        <message>
            <source>%1 date of birth</source>
            <translation>%1: Geburtsdatum</translation>
        </message>
        <message>
            <source>%1 %2</source>
            <translation>%2 (%1)</translation>
        </message>
    </context>
    <context>
        <name>Startup</name>
        <message>
            <source>Application is already running</source>
            <translation>Die Anwendung läuft bereits</translation>
        </message>
    </context>
    <context>
        <name>Web</name>
        <message>
            <source>There maybe an update to this software available<byte value="xd" />Do you want to check for an update?</source>
            <translation>Möglicherweise gibt es eine Aktualisierung dieser Software<byte value="xd" />Möchten Sie nach einer Aktualisierung suchen?</translation>
        </message>
    </context>
    <context>
        <name>WheelFiles</name>
        <message>
            <source>Save Chart Picture</source>
            <translation>Horoskopbild speichern</translation>
        </message>
        <message>
            <source>Aspects between the charts: his points down, hers across</source>
            <translation>Aspekte zwischen den Horoskopen: seine Punkte untereinander, ihre nebeneinander</translation>
        </message>
        <message>
            <source>Tightest aspects:</source>
            <translation>Engste Aspekte:</translation>
        </message>
        <message>
            <source>Export as PDF</source>
            <translation>Als PDF exportieren</translation>
        </message>
    </context>
    <context>
        <name>WheelWords</name>
        <message>
            <source>No readable positions.</source>
            <translation>Keine lesbaren Positionen.</translation>
        </message>
        <message>
            <source>%1 at %2 %3.</source>
            <translation>%1 bei %2 %3.</translation>
        </message>
        <message>
            <source>Chart wheel</source>
            <translation>Horoskoprad</translation>
        </message>
        <message>
            <source>%1 chart wheel</source>
            <translation>%1-Horoskoprad</translation>
        </message>
        <message>
            <source>Chart wheel of two charts: the male chart on the inner ring, the female chart on the outer ring.</source>
            <translation>Horoskoprad zweier Horoskope: das Horoskop des Mannes im inneren Ring, das der Frau im äußeren Ring.</translation>
        </message>
        <message>
            <source>Male chart:</source>
            <translation>Horoskop des Mannes:</translation>
        </message>
        <message>
            <source>Female chart:</source>
            <translation>Horoskop der Frau:</translation>
        </message>
        <message>
            <source>%1 chart:</source>
            <translation>%1-Horoskop:</translation>
        </message>
        <message>
            <source>Cusps in %1 houses.</source>
            <translation>Spitzen in %1-Häusern.</translation>
        </message>
        <message>
            <source>Cusps of the male chart in %1 houses.</source>
            <translation>Spitzen des Horoskops des Mannes in %1-Häusern.</translation>
        </message>
        <message>
            <source>Cusps of the female chart in %1 houses.</source>
            <translation>Spitzen des Horoskops der Frau in %1-Häusern.</translation>
        </message>
        <message numerus="yes">
            <source>%n aspects between the charts.</source>
            <translation>
                <numerusform>%n Aspekt zwischen den Horoskopen.</numerusform>
                <numerusform>%n Aspekte zwischen den Horoskopen.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n aspects within the chart.</source>
            <translation>
                <numerusform>%n Aspekt innerhalb des Horoskops.</numerusform>
                <numerusform>%n Aspekte innerhalb des Horoskops.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>astro::frmMatch</name>
        <message>
            <source>Name:</source>
            <translation>Name:</translation>
        </message>
        <message>
            <source>Date of Birth:</source>
            <translation>Geburtsdatum:</translation>
        </message>
        <message>
            <source>Time Of Birth:</source>
            <translation>Geburtszeit:</translation>
        </message>
        <message>
            <source>Daylight Saving Time</source>
            <translation>Sommerzeit</translation>
        </message>
        <message>
            <source>Time Zone:</source>
            <translation>Zeitzone:</translation>
        </message>
        <message>
            <source>DEG/MIN</source>
            <translation>GRAD/MIN</translation>
        </message>
        <message>
            <source>Click here to find Latitude &amp;&amp; Longitude</source>
            <translation>Hier klicken, um Breite &amp;&amp; Länge zu finden</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>Stadt:</translation>
        </message>
        <message>
            <source>State:</source>
            <translation>Bundesland:</translation>
        </message>
        <message>
            <source>Country:</source>
            <translation>Land:</translation>
        </message>
        <message>
            <source>North</source>
            <translation>Nord</translation>
        </message>
        <message>
            <source>South</source>
            <translation>Süd</translation>
        </message>
        <message>
            <source>Latitude:</source>
            <translation>Breite:</translation>
        </message>
        <message>
            <source>East</source>
            <translation>Ost</translation>
        </message>
        <message>
            <source>West</source>
            <translation>West</translation>
        </message>
        <message>
            <source>Longitude:</source>
            <translation>Länge:</translation>
        </message>
        <message>
            <source>Choose Person...</source>
            <translation>Person wählen...</translation>
        </message>
        <message>
            <source>Save Person</source>
            <translation>Person speichern</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Mann</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Frau</translation>
        </message>
        <message>
            <source>QM Orvanel Software</source>
            <translation>QM Orvanel Software</translation>
        </message>
        <message>
            <source>Enter the City, State and Country, then press the button above them to find the Latitude and Longitude of the place of birth.</source>
            <translation>Geben Sie Stadt, Bundesland und Land ein und drücken Sie dann die Schaltfläche darüber, um Breite und Länge des Geburtsorts zu finden.</translation>
        </message>
        <message>
            <source>Analyze Compatibility</source>
            <translation>Verträglichkeit analysieren</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Datei</translation>
        </message>
        <message>
            <source>&amp;Analyze Compatibility</source>
            <translation>&amp;Verträglichkeit analysieren</translation>
        </message>
        <message>
            <source>&amp;People...</source>
            <translation>&amp;Personen...</translation>
        </message>
        <message>
            <source>&amp;Exit</source>
            <translation>&amp;Beenden</translation>
        </message>
        <message>
            <source>&amp;Online Help</source>
            <translation>&amp;Online-Hilfe</translation>
        </message>
        <message>
            <source>&amp;Visit Us Online</source>
            <translation>Besuchen Sie &amp;uns online</translation>
        </message>
    </context>
    <context>
        <name>astro::frmPlaceLookup</name>
        <message>
            <source>Find the Place of Birth</source>
            <translation>Geburtsort finden</translation>
        </message>
        <message>
            <source>Find the Place of Birth: %1</source>
            <translation>Geburtsort finden: %1</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Mann</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Frau</translation>
        </message>
        <message>
            <source>Places: GeoNames (geonames.org), CC BY 4.0</source>
            <translation>Orte: GeoNames (geonames.org), CC BY 4.0</translation>
        </message>
        <message>
            <source>Search the &amp;Web</source>
            <translation>Im &amp;Web suchen</translation>
        </message>
        <message>
            <source>&amp;Fill In</source>
            <translation>&amp;Übernehmen</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Schließen</translation>
        </message>
        <message>
            <source>Search the Web looks the place up on the web instead.</source>
            <translation>„Im Web suchen“ sucht den Ort stattdessen im Web.</translation>
        </message>
        <message>
            <source>No web browser could be started to search for the place.</source>
            <translation>Es konnte kein Webbrowser gestartet werden, um den Ort zu suchen.</translation>
        </message>
        <message numerus="yes">
            <source>Places, %n found</source>
            <translation>
                <numerusform>Orte, %n gefunden</numerusform>
                <numerusform>Orte, %n gefunden</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>frmAbout</name>
        <message>
            <source>&lt;a href="home"&gt;Visit our home page&lt;/a&gt;</source>
            <translation>&lt;a href="home"&gt;Besuchen Sie unsere Homepage&lt;/a&gt;</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>QM Zentara Software Software is a compatibility report generator based on astrology as well as numerology. The astrology match software is based on the planetary positions at the time of birth while the numerology match software is based on Pythagorean system of numerology and the effect of cosmic vibrations on a person.</source>
            <translation>QM Zentara Software erstellt Verträglichkeitsberichte aus Astrologie und Numerologie. Der astrologische Vergleich beruht auf den Planetenpositionen zur Geburtszeit, der numerologische auf dem pythagoreischen System der Numerologie und der Wirkung kosmischer Schwingungen auf einen Menschen.</translation>
        </message>
    </context>
    <context>
        <name>frmBestMatches</name>
        <message>
            <source>Best Matches for %1</source>
            <translation>Beste Partner für %1</translation>
        </message>
        <message>
            <source>Best matches for %1 (as %2), by Percentage, then P * H:</source>
            <translation>Beste Partner für %1 (als %2), nach Prozent, dann P * H:</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Mann</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Frau</translation>
        </message>
        <message>
            <source>Partner</source>
            <translation>Partner</translation>
        </message>
        <message>
            <source>Percentage</source>
            <translation>Prozent</translation>
        </message>
        <message>
            <source>P * H</source>
            <translation>P * H</translation>
        </message>
        <message>
            <source>Power</source>
            <translation>Kraft</translation>
        </message>
        <message>
            <source>Harmony</source>
            <translation>Harmonie</translation>
        </message>
        <message>
            <source>Comment</source>
            <translation>Kommentar</translation>
        </message>
        <message>
            <source>Not ranked</source>
            <translation>Nicht eingestuft</translation>
        </message>
        <message>
            <source>Why</source>
            <translation>Warum</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
    </context>
    <context>
        <name>frmOrbs</name>
        <message>
            <source>Aspect Orbs</source>
            <translation>Aspektorben</translation>
        </message>
        <message>
            <source>A pair of points takes the larger orb of its two.</source>
            <translation>Ein Punktepaar erhält den größeren seiner beiden Orben.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Orb when the &amp;Sun or Moon takes part:</source>
            <translation>Orbis, wenn &amp;Sonne oder Mond beteiligt sind:</translation>
        </message>
        <message>
            <source>Orb of the other &amp;planets:</source>
            <translation>Orbis der anderen &amp;Planeten:</translation>
        </message>
        <message>
            <source>Orb of the &amp;node, Asc and MC:</source>
            <translation>Orbis von Mond&amp;knoten, AC und MC:</translation>
        </message>
    </context>
    <context>
        <name>frmPeople</name>
        <message>
            <source>CSV Files (*.csv)|*.csv</source>
            <translation>CSV-Dateien (*.csv)|*.csv</translation>
        </message>
        <message>
            <source>Choose Person</source>
            <translation>Person wählen</translation>
        </message>
        <message>
            <source>People</source>
            <translation>Personen</translation>
        </message>
        <message>
            <source>Type to search; Up and Down choose a person, Enter takes them.</source>
            <translation>Tippen zum Suchen; Auf und Ab wählen eine Person, Eingabe übernimmt sie.</translation>
        </message>
        <message>
            <source>Type to search; Up and Down move, Enter edits, Delete deletes; select two people (Ctrl+click) for a match.</source>
            <translation>Tippen zum Suchen; Auf und Ab bewegen, Eingabe bearbeitet, Entf löscht; zwei Personen (Strg+Klick) für einen Vergleich wählen.</translation>
        </message>
        <message>
            <source>&amp;Search:</source>
            <translation>&amp;Suchen:</translation>
        </message>
        <message>
            <source>any name, place or note</source>
            <translation>ein Name, Ort oder eine Notiz</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Born</source>
            <translation>Geboren</translation>
        </message>
        <message>
            <source>Place</source>
            <translation>Ort</translation>
        </message>
        <message>
            <source>&amp;Choose</source>
            <translation>&amp;Wählen</translation>
        </message>
        <message>
            <source>&amp;Add...</source>
            <translation>&amp;Hinzufügen...</translation>
        </message>
        <message>
            <source>&amp;Edit...</source>
            <translation>&amp;Bearbeiten...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Löschen</translation>
        </message>
        <message>
            <source>&amp;Import...</source>
            <translation>&amp;Importieren...</translation>
        </message>
        <message>
            <source>E&amp;xport...</source>
            <translation>E&amp;xportieren...</translation>
        </message>
        <message>
            <source>&amp;Numerology Match</source>
            <translation>&amp;Numerologischer Vergleich</translation>
        </message>
        <message>
            <source>Astro &amp;Match</source>
            <translation>Astrologischer &amp;Vergleich</translation>
        </message>
        <message>
            <source>&amp;Best Matches for...</source>
            <translation>&amp;Beste Partner für...</translation>
        </message>
        <message>
            <source>Couple &amp;Report...</source>
            <translation>Paar&amp;bericht...</translation>
        </message>
        <message numerus="yes">
            <source>%1 of %n people</source>
            <translation>
                <numerusform>%1 von %n Person</numerusform>
                <numerusform>%1 von %n Personen</numerusform>
            </translation>
        </message>
        <message>
            <source>Delete %1 from the book of people?</source>
            <translation>%1 aus dem Personenbuch löschen?</translation>
        </message>
        <message>
            <source>Delete these %1 people from the book of people: %2?</source>
            <translation>Diese %1 Personen aus dem Personenbuch löschen: %2?</translation>
        </message>
        <message>
            <source>No one was deleted: %1 changed in the book of people, or left it, since this list showed them. The list now shows the book as it is; choose again.</source>
            <translation>Niemand wurde gelöscht: %1 hat sich im Personenbuch geändert oder ist nicht mehr darin, seit diese Liste sie zeigte. Die Liste zeigt jetzt das Buch, wie es ist; wählen Sie erneut.</translation>
        </message>
        <message>
            <source>%1 cannot be read.</source>
            <translation>%1 kann nicht gelesen werden.</translation>
        </message>
        <message>
            <source>No one was added: %1.</source>
            <translation>Niemand wurde hinzugefügt: %1.</translation>
        </message>
        <message numerus="yes">
            <source>%n people added.</source>
            <translation>
                <numerusform>%n Person hinzugefügt.</numerusform>
                <numerusform>%n Personen hinzugefügt.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source> %n rows were left out:</source>
            <translation>
                <numerusform> %n Zeile wurde ausgelassen:</numerusform>
                <numerusform> %n Zeilen wurden ausgelassen:</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>
... and %n more.</source>
            <translation>
                <numerusform>
... und %n weitere.</numerusform>
                <numerusform>
... und %n weitere.</numerusform>
            </translation>
        </message>
        <message>
            <source>Select two people for a match (Ctrl+click the second).</source>
            <translation>Wählen Sie zwei Personen für einen Vergleich (die zweite mit Strg+Klick).</translation>
        </message>
        <message>
            <source>Select the person whose best matches you want.</source>
            <translation>Wählen Sie die Person, deren beste Partner Sie sehen möchten.</translation>
        </message>
    </context>
    <context>
        <name>frmPerson</name>
        <message>
            <source>First Name:</source>
            <translation>Vorname:</translation>
        </message>
        <message>
            <source>Middle Name:</source>
            <translation>Zweiter Vorname:</translation>
        </message>
        <message>
            <source>Last Name:</source>
            <translation>Nachname:</translation>
        </message>
        <message>
            <source>Name on the Astro Form:</source>
            <translation>Name im Astro-Formular:</translation>
        </message>
        <message>
            <source>first and last name when empty</source>
            <translation>Vor- und Nachname, wenn leer</translation>
        </message>
        <message>
            <source>Date of Birth:</source>
            <translation>Geburtsdatum:</translation>
        </message>
        <message>
            <source>YYYY-MM-DD</source>
            <translation>JJJJ-MM-TT</translation>
        </message>
        <message>
            <source>Time of Birth:</source>
            <translation>Geburtszeit:</translation>
        </message>
        <message>
            <source>HH:MM, empty when unknown</source>
            <translation>HH:MM, leer wenn unbekannt</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>Stadt:</translation>
        </message>
        <message>
            <source>State:</source>
            <translation>Bundesland:</translation>
        </message>
        <message>
            <source>Country:</source>
            <translation>Land:</translation>
        </message>
        <message>
            <source>Latitude:</source>
            <translation>Breite:</translation>
        </message>
        <message>
            <source>such as 41N52</source>
            <translation>etwa 41N52</translation>
        </message>
        <message>
            <source>Longitude:</source>
            <translation>Länge:</translation>
        </message>
        <message>
            <source>such as 87W38</source>
            <translation>etwa 87W38</translation>
        </message>
        <message>
            <source>IANA Time Zone:</source>
            <translation>IANA-Zeitzone:</translation>
        </message>
        <message>
            <source>from the atlas</source>
            <translation>aus dem Atlas</translation>
        </message>
        <message>
            <source>Usual Frame:</source>
            <translation>Üblicher Rahmen:</translation>
        </message>
        <message>
            <source>Time Zone:</source>
            <translation>Zeitzone:</translation>
        </message>
        <message>
            <source>Daylight Saving Time:</source>
            <translation>Sommerzeit:</translation>
        </message>
        <message>
            <source>Note:</source>
            <translation>Notiz:</translation>
        </message>
        <message>
            <source>Add Person</source>
            <translation>Person hinzufügen</translation>
        </message>
        <message>
            <source>Edit Person</source>
            <translation>Person bearbeiten</translation>
        </message>
        <message>
            <source>&amp;Find Place...</source>
            <translation>Ort &amp;finden...</translation>
        </message>
        <message>
            <source>Not said</source>
            <translation>Keine Angabe</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Mann</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Frau</translation>
        </message>
        <message>
            <source>(unknown)</source>
            <translation>(unbekannt)</translation>
        </message>
        <message>
            <source>Daylight Saving Time</source>
            <translation>Sommerzeit</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Speichern</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Save as &amp;New Person</source>
            <translation>Als &amp;neue Person speichern</translation>
        </message>
        <message>
            <source>%1 was removed from the book of people by another window or program since this window opened. Save what this window holds as a new person?</source>
            <translation>%1 wurde von einem anderen Fenster oder Programm aus dem Personenbuch entfernt, seit dieses Fenster geöffnet wurde. Den Inhalt dieses Fensters als neue Person speichern?</translation>
        </message>
        <message>
            <source>%1 was changed in the book of people by another window or program since this window opened, so saving here would undo that change. Reload the person as the book now has them (what you typed here is then lost), or save what this window holds as a new person?</source>
            <translation>%1 wurde seit dem Öffnen dieses Fensters von einem anderen Fenster oder Programm im Personenbuch geändert; hier zu speichern würde diese Änderung rückgängig machen. Die Person neu laden, wie das Buch sie jetzt hat (was Sie hier eingegeben haben, geht dann verloren), oder den Inhalt dieses Fensters als neue Person speichern?</translation>
        </message>
        <message>
            <source>&amp;Reload</source>
            <translation>&amp;Neu laden</translation>
        </message>
    </context>
    <context>
        <name>frmReport</name>
        <message>
            <source>The result generated by QM Free Orvanel Software for the input set of data is displayed as below:</source>
            <translation>Das von QM Free Orvanel Software für die eingegebenen Daten erzeugte Ergebnis wird unten angezeigt:</translation>
        </message>
        <message>
            <source>The power of a planet depends on which house it occupies and other details. The power of each planet, sign or house is also associated with harmony or discord.</source>
            <translation>Die Kraft eines Planeten hängt davon ab, welches Haus er besetzt, und von weiteren Einzelheiten. Die Kraft jedes Planeten, Zeichens oder Hauses ist auch mit Harmonie oder Disharmonie verbunden.</translation>
        </message>
        <message>
            <source>In simple terms, Power represents the strength of bonding between two people and Harmony represents the level of comfort you share with the other person. It is believed by research that the product of the two gives the best result regarding relationship between two people.</source>
            <translation>Einfach gesagt steht die Kraft für die Stärke der Bindung zwischen zwei Menschen und die Harmonie für das Maß an Wohlbehagen, das Sie mit dem anderen teilen. Nach Forschungsannahmen gibt das Produkt beider das beste Ergebnis für die Beziehung zweier Menschen.</translation>
        </message>
        <message>
            <source>Thus, Power, Harmony and Power * Harmony are displayed in the report. Based on the average values calculated for a random group of people, the percentage level of compatibility is calculated and displayed.</source>
            <translation>Daher zeigt der Bericht Kraft, Harmonie und Kraft * Harmonie. Aus den Durchschnittswerten einer zufälligen Gruppe von Menschen wird der prozentuale Grad der Verträglichkeit berechnet und angezeigt.</translation>
        </message>
        <message>
            <source>Sun</source>
            <translation>Sonne</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>Mond</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>Merkur</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>Venus</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>Mars</translation>
        </message>
        <message>
            <source>Jupiter</source>
            <translation>Jupiter</translation>
        </message>
        <message>
            <source>Saturn</source>
            <translation>Saturn</translation>
        </message>
        <message>
            <source>Uranus</source>
            <translation>Uranus</translation>
        </message>
        <message>
            <source>Neptune</source>
            <translation>Neptun</translation>
        </message>
        <message>
            <source>Pluto</source>
            <translation>Pluto</translation>
        </message>
        <message>
            <source>N Node</source>
            <translation>N-Knoten</translation>
        </message>
        <message>
            <source>S Node</source>
            <translation>S-Knoten</translation>
        </message>
        <message>
            <source>Asc</source>
            <translation>AC</translation>
        </message>
        <message>
            <source>MC</source>
            <translation>MC</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>QM Orvanel Software</source>
            <translation>QM Orvanel Software</translation>
        </message>
        <message>
            <source>Name:</source>
            <translation>Name:</translation>
        </message>
        <message>
            <source>Date of Birth:</source>
            <translation>Geburtsdatum:</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>Stadt:</translation>
        </message>
        <message>
            <source>State:</source>
            <translation>Bundesland:</translation>
        </message>
        <message>
            <source>Country:</source>
            <translation>Land:</translation>
        </message>
        <message>
            <source>QM Orvanel Software v2.0</source>
            <translation>QM Orvanel Software v2.0</translation>
        </message>
        <message>
            <source>Male:</source>
            <translation>Mann:</translation>
        </message>
        <message>
            <source>Female:</source>
            <translation>Frau:</translation>
        </message>
        <message>
            <source>Compatibility:</source>
            <translation>Verträglichkeit:</translation>
        </message>
        <message>
            <source>Compatibility Report:</source>
            <translation>Verträglichkeitsbericht:</translation>
        </message>
        <message>
            <source>Power</source>
            <translation>Kraft</translation>
        </message>
        <message>
            <source>Harmony</source>
            <translation>Harmonie</translation>
        </message>
        <message>
            <source>P * H</source>
            <translation>P * H</translation>
        </message>
        <message>
            <source>Percentage</source>
            <translation>Prozent</translation>
        </message>
        <message>
            <source>Comment</source>
            <translation>Kommentar</translation>
        </message>
        <message>
            <source>Natal Position Data:</source>
            <translation>Geburtspositionen:</translation>
        </message>
    </context>
    <context>
        <name>numerology::frmMain</name>
        <message>
            <source>* First Name</source>
            <translation>* Vorname</translation>
        </message>
        <message>
            <source>Middle Name</source>
            <translation>Zweiter Vorname</translation>
        </message>
        <message>
            <source>* Last Name</source>
            <translation>* Nachname</translation>
        </message>
        <message>
            <source>Date of Birth</source>
            <translation>Geburtsdatum</translation>
        </message>
        <message>
            <source>Choose Person...</source>
            <translation>Person wählen...</translation>
        </message>
        <message>
            <source>Save Person</source>
            <translation>Person speichern</translation>
        </message>
        <message>
            <source>QM Zentara Software</source>
            <translation>QM Zentara Software</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Mann</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Frau</translation>
        </message>
        <message>
            <source>Marriage Date</source>
            <translation>Hochzeitsdatum</translation>
        </message>
        <message>
            <source>LifePath Compatibility</source>
            <translation>Lebenswegverträglichkeit</translation>
        </message>
        <message>
            <source>Destiny Compatibility</source>
            <translation>Schicksalsverträglichkeit</translation>
        </message>
        <message>
            <source>Comprehensive Reading</source>
            <translation>Umfassende Deutung</translation>
        </message>
        <message>
            <source>&amp;Open Previously Saved Reading</source>
            <translation>Gespeicherte Deutung ö&amp;ffnen</translation>
        </message>
        <message>
            <source>&amp;Back</source>
            <translation>&amp;Zurück</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Note: </source>
            <translation>Hinweis: </translation>
        </message>
        <message>
            <source>This program has been designed keeping in mind date settings according to MM/DD/YYYY format</source>
            <translation>Dieses Programm erwartet Datumsangaben im Format MM/TT/JJJJ</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Datei</translation>
        </message>
        <message>
            <source>&amp;Comprehensive Reading</source>
            <translation>&amp;Umfassende Deutung</translation>
        </message>
        <message>
            <source>&amp;LifePath Compatibility</source>
            <translation>&amp;Lebenswegverträglichkeit</translation>
        </message>
        <message>
            <source>&amp;Destiny Compatibility</source>
            <translation>&amp;Schicksalsverträglichkeit</translation>
        </message>
        <message>
            <source>Extended &amp;Numbers</source>
            <translation>Erweiterte &amp;Zahlen</translation>
        </message>
        <message>
            <source>&amp;People...</source>
            <translation>&amp;Personen...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Beenden</translation>
        </message>
        <message>
            <source>QM Velmora (*.kvz)|*.kvz</source>
            <translation>QM Velmora (*.kvz)|*.kvz</translation>
        </message>
        <message>
            <source>Select the source file</source>
            <translation>Quelldatei wählen</translation>
        </message>
        <message>
            <source>Please Check The File.</source>
            <translation>Bitte prüfen Sie die Datei.</translation>
        </message>
        <message>
            <source>&amp;Online help</source>
            <translation>&amp;Online-Hilfe</translation>
        </message>
        <message>
            <source>&amp;Visit us Online</source>
            <translation>Besuchen Sie &amp;uns online</translation>
        </message>
    </context>
    <context>
        <name>shell::frmAtFirst</name>
        <message>
            <source>This program has been designed keeping in mind date settings according to MM/DD/YYYY format</source>
            <translation>Dieses Programm erwartet Datumsangaben im Format MM/TT/JJJJ</translation>
        </message>
        <message>
            <source>Option</source>
            <translation>Auswahl</translation>
        </message>
        <message>
            <source>Astro Match Compatibility</source>
            <translation>Astrologische Verträglichkeit</translation>
        </message>
        <message>
            <source>Numerology Match Compatibility</source>
            <translation>Numerologische Verträglichkeit</translation>
        </message>
        <message>
            <source>&amp;Proceed</source>
            <translation>&amp;Weiter</translation>
        </message>
        <message>
            <source>P&amp;eople...</source>
            <translation>P&amp;ersonen...</translation>
        </message>
        <message>
            <source>Your Details Please</source>
            <translation>Ihre Angaben bitte</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Birth Day</source>
            <translation>Geburtstag</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Mann</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Frau</translation>
        </message>
        <message>
            <source>Note: </source>
            <translation>Hinweis: </translation>
        </message>
        <message>
            <source>Please Select One Option</source>
            <translation>Bitte eine Auswahl treffen</translation>
        </message>
    </context>
</TS>
