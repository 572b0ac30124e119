<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
