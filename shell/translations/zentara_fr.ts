<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
    <context>
        <name>AspectGrid</name>
        <message>
            <source>His %1</source>
            <translation>Son %1 (lui)</translation>
        </message>
        <message>
            <source>Her %1</source>
            <translation>Son %1 (elle)</translation>
        </message>
        <message>
            <source>Aspects grid</source>
            <translation>Grille des aspects</translation>
        </message>
        <message>
            <source>His points down, her points across; each cell says the aspect they make, if any.</source>
            <translation>Ses points à lui en lignes, ceux d'elle en colonnes ; chaque case dit l'aspect qu'ils forment, s'il y en a un.</translation>
        </message>
        <message>
            <source>His points down, her points across</source>
            <translation>Ses points en lignes, ceux d'elle en colonnes</translation>
        </message>
        <message>
            <source>His %1 and her %2: no aspect</source>
            <translation>Son %1 à lui et son %2 à elle : aucun aspect</translation>
        </message>
        <message>
            <source>His %1 and her %2: %3, %4 from exact</source>
            <translation>Son %1 à lui et son %2 à elle : %3, à %4 de l'exactitude</translation>
        </message>
    </context>
    <context>
        <name>AspectsView</name>
        <message>
            <source>His %1</source>
            <translation>Son %1 (lui)</translation>
        </message>
        <message>
            <source>Her %1</source>
            <translation>Son %1 (elle)</translation>
        </message>
        <message>
            <source>Tightest aspects:</source>
            <translation>Aspects les plus serrés :</translation>
        </message>
        <message>
            <source>None within the orbs.</source>
            <translation>Aucun dans les orbes.</translation>
        </message>
    </context>
    <context>
        <name>Checks</name>
        <message>
            <source>Please Enter your Correct Date Or Month!</source>
            <translation>Veuillez saisir votre jour ou mois exact !</translation>
        </message>
        <message>
            <source>Please Enter Your Correct Date Or Month!</source>
            <translation>Veuillez saisir votre jour ou mois exact !</translation>
        </message>
        <message>
            <source>Please Enter Your Correct Date Or Month !</source>
            <translation>Veuillez saisir votre jour ou mois exact !</translation>
        </message>
        <message>
            <source>Please Enter Your Partner's Correct Date Or Month!</source>
            <translation>Veuillez saisir le jour ou mois exact de votre partenaire !</translation>
        </message>
        <message>
            <source>Please Enter Your Partner's Correct Date Or Month !</source>
            <translation>Veuillez saisir le jour ou mois exact de votre partenaire !</translation>
        </message>
        <message>
            <source>Male: First Name cannot be blank</source>
            <translation>Homme : le prénom ne peut pas être vide</translation>
        </message>
        <message>
            <source>Male: Last Name cannot be blank</source>
            <translation>Homme : le nom de famille ne peut pas être vide</translation>
        </message>
        <message>
            <source>Female: First Name cannot be blank</source>
            <translation>Femme : le prénom ne peut pas être vide</translation>
        </message>
        <message>
            <source>Female: Last Name cannot be blank</source>
            <translation>Femme : le nom de famille ne peut pas être vide</translation>
        </message>
        <message>
            <source>Male: Date of Birth cannot be blank</source>
            <translation>Homme : le jour de naissance ne peut pas être vide</translation>
        </message>
        <message>
            <source>Male: Month of Birth cannot be blank</source>
            <translation>Homme : le mois de naissance ne peut pas être vide</translation>
        </message>
        <message>
            <source>Male: Year of Birth cannot be blank</source>
            <translation>Homme : l'année de naissance ne peut pas être vide</translation>
        </message>
        <message>
            <source>Female: Date of Birth cannot be blank</source>
            <translation>Femme : le jour de naissance ne peut pas être vide</translation>
        </message>
        <message>
            <source>Female: Month of Birth cannot be blank</source>
            <translation>Femme : le mois de naissance ne peut pas être vide</translation>
        </message>
        <message>
            <source>Female: Year of Birth cannot be blank</source>
            <translation>Femme : l'année de naissance ne peut pas être vide</translation>
        </message>
        <message>
            <source>Please Enter Male Name</source>
            <translation>Veuillez saisir le nom de l'homme</translation>
        </message>
        <message>
            <source>Please Enter Female Name</source>
            <translation>Veuillez saisir le nom de la femme</translation>
        </message>
        <message>
            <source>Please Enter Degree in Latitude</source>
            <translation>Veuillez saisir les degrés de latitude</translation>
        </message>
        <message>
            <source>Please Enter Minutes in Latitude</source>
            <translation>Veuillez saisir les minutes de latitude</translation>
        </message>
        <message>
            <source>Please Enter Degree in Longitude</source>
            <translation>Veuillez saisir les degrés de longitude</translation>
        </message>
        <message>
            <source>Please Enter Minute in Longitude</source>
            <translation>Veuillez saisir les minutes de longitude</translation>
        </message>
        <message>
            <source>Please Enter Minutes in Longitude</source>
            <translation>Veuillez saisir les minutes de longitude</translation>
        </message>
        <message>
            <source>Please Enter City</source>
            <translation>Veuillez saisir la ville</translation>
        </message>
        <message>
            <source>Please Enter State</source>
            <translation>Veuillez saisir la région</translation>
        </message>
        <message>
            <source>Please Enter Country</source>
            <translation>Veuillez saisir le pays</translation>
        </message>
        <message>
            <source>Please Select Direction For The Latitude</source>
            <translation>Veuillez choisir la direction de la latitude</translation>
        </message>
        <message>
            <source>Please Select Direction For The Longitude</source>
            <translation>Veuillez choisir la direction de la longitude</translation>
        </message>
        <message>
            <source>Please enter only letters</source>
            <translation>Veuillez ne saisir que des lettres</translation>
        </message>
        <message>
            <source>Please enter only numbers</source>
            <translation>Veuillez ne saisir que des chiffres</translation>
        </message>
        <message>
            <source>The couple report takes names of at most 100 letters.</source>
            <translation>Le rapport du couple accepte des noms de 100 lettres au plus.</translation>
        </message>
    </context>
    <context>
        <name>CoupleReport</name>
        <message>
            <source>Couple Report</source>
            <translation>Rapport du couple</translation>
        </message>
    </context>
    <context>
        <name>FileExport</name>
        <message>
            <source>its contents could not be made</source>
            <translation>son contenu n'a pas pu être créé</translation>
        </message>
        <message>
            <source>Could not save %1: %2</source>
            <translation>Impossible d'enregistrer %1 : %2</translation>
        </message>
        <message>
            <source>PDF Document (*.pdf)|*.pdf</source>
            <translation>Document PDF (*.pdf)|*.pdf</translation>
        </message>
        <message>
            <source>Export as PDF</source>
            <translation>Exporter en PDF</translation>
        </message>
    </context>
    <context>
        <name>HelpMenu</name>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Aide</translation>
        </message>
        <message>
            <source>Check for Software &amp;Update</source>
            <translation>Rechercher une &amp;mise à jour</translation>
        </message>
        <message>
            <source>&amp;About Software</source>
            <translation>À &amp;propos du logiciel</translation>
        </message>
    </context>
    <context>
        <name>HouseTables</name>
        <message>
            <source>Cusps: %1</source>
            <translation>Cuspides : %1</translation>
        </message>
        <message>
            <source>House</source>
            <translation>Maison</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Homme</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Femme</translation>
        </message>
        <message>
            <source>His points in her houses</source>
            <translation>Ses points à lui dans les maisons d'elle</translation>
        </message>
        <message>
            <source>His point</source>
            <translation>Son point (lui)</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>Position</translation>
        </message>
        <message>
            <source>Her house</source>
            <translation>Sa maison (elle)</translation>
        </message>
        <message>
            <source>His house</source>
            <translation>Sa maison (lui)</translation>
        </message>
        <message>
            <source>Her points in his houses</source>
            <translation>Ses points à elle dans les maisons de lui</translation>
        </message>
        <message>
            <source>Her point</source>
            <translation>Son point (elle)</translation>
        </message>
    </context>
    <context>
        <name>HousesView</name>
        <message>
            <source>Houses of both charts and where each partner's points fall</source>
            <translation>Maisons des deux thèmes et où tombent les points de chaque partenaire</translation>
        </message>
    </context>
    <context>
        <name>Language</name>
        <message>
            <source>&amp;Language...</source>
            <translation>&amp;Langue...</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Choose the language of the windows. It is used from the next time the program starts.</source>
            <translation>Choisissez la langue des fenêtres. Elle s'applique au prochain démarrage du programme.</translation>
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
            <translation>P&amp;orphyre</translation>
        </message>
        <message>
            <source>&amp;Equal</source>
            <translation>&amp;Égales</translation>
        </message>
        <message>
            <source>&amp;Whole Sign</source>
            <translation>Signes &amp;entiers</translation>
        </message>
        <message>
            <source>QM Orvanel Software</source>
            <translation>QM Orvanel Software</translation>
        </message>
        <message>
            <source>&amp;Print</source>
            <translation>&amp;Imprimer</translation>
        </message>
        <message>
            <source>&amp;Back</source>
            <translation>&amp;Retour</translation>
        </message>
        <message>
            <source>&amp;Exit</source>
            <translation>&amp;Quitter</translation>
        </message>
        <message>
            <source>Chart Wheel</source>
            <translation>Roue du thème</translation>
        </message>
        <message>
            <source>Aspects</source>
            <translation>Aspects</translation>
        </message>
        <message>
            <source>Houses</source>
            <translation>Maisons</translation>
        </message>
        <message>
            <source>Relationship</source>
            <translation>Relation</translation>
        </message>
        <message>
            <source>Scores</source>
            <translation>Scores</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Homme</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Femme</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Fichier</translation>
        </message>
        <message>
            <source>Export as &amp;PDF...</source>
            <translation>Exporter en &amp;PDF...</translation>
        </message>
        <message>
            <source>Save Chart &amp;Picture...</source>
            <translation>Enregistrer l'&amp;image du thème...</translation>
        </message>
        <message>
            <source>Couple &amp;Report...</source>
            <translation>&amp;Rapport du couple...</translation>
        </message>
        <message>
            <source>Positions on the Equinox of &amp;Date</source>
            <translation>Positions sur l'équinoxe de la &amp;date</translation>
        </message>
        <message>
            <source>&amp;Mean Node</source>
            <translation>Nœud &amp;moyen</translation>
        </message>
        <message>
            <source>&amp;True Node</source>
            <translation>Nœud &amp;vrai</translation>
        </message>
        <message>
            <source>Aspect &amp;Orbs...</source>
            <translation>&amp;Orbes des aspects...</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>Fe&amp;nêtre</translation>
        </message>
        <message>
            <source>&amp;Report</source>
            <translation>&amp;Rapport</translation>
        </message>
        <message>
            <source>Chart &amp;Wheel</source>
            <translation>&amp;Roue du thème</translation>
        </message>
        <message>
            <source>&amp;Aspects</source>
            <translation>&amp;Aspects</translation>
        </message>
        <message>
            <source>&amp;Houses</source>
            <translation>&amp;Maisons</translation>
        </message>
        <message>
            <source>Re&amp;lationship</source>
            <translation>Re&amp;lation</translation>
        </message>
        <message>
            <source>&amp;Scores</source>
            <translation>&amp;Scores</translation>
        </message>
        <message>
            <source>&amp;Online Help</source>
            <translation>&amp;Aide en ligne</translation>
        </message>
        <message>
            <source>&amp;Visit Us Online</source>
            <translation>&amp;Nous rendre visite en ligne</translation>
        </message>
        <message>
            <source>House &amp;System</source>
            <translation>&amp;Système de maisons</translation>
        </message>
        <message>
            <source>Houses &amp;of:</source>
            <translation>Maisons &amp;de :</translation>
        </message>
    </context>
    <context>
        <name>Months</name>
        <message>
            <source>January</source>
            <translation>janvier</translation>
        </message>
        <message>
            <source>February</source>
            <translation>février</translation>
        </message>
        <message>
            <source>March</source>
            <translation>mars</translation>
        </message>
        <message>
            <source>April</source>
            <translation>avril</translation>
        </message>
        <message>
            <source>May</source>
            <translation>mai</translation>
        </message>
        <message>
            <source>June</source>
            <translation>juin</translation>
        </message>
        <message>
            <source>July</source>
            <translation>juillet</translation>
        </message>
        <message>
            <source>August</source>
            <translation>août</translation>
        </message>
        <message>
            <source>September</source>
            <translation>septembre</translation>
        </message>
        <message>
            <source>October</source>
            <translation>octobre</translation>
        </message>
        <message>
            <source>November</source>
            <translation>novembre</translation>
        </message>
        <message>
            <source>December</source>
            <translation>décembre</translation>
        </message>
    </context>
    <context>
        <name>PeopleBook</name>
        <message>
            <source>The book of people cannot be written: %1</source>
            <translation>Le carnet de personnes ne peut pas être écrit : %1</translation>
        </message>
        <message>
            <source>The book of people cannot be used: %1</source>
            <translation>Le carnet de personnes ne peut pas être utilisé : %1</translation>
        </message>
        <message>
            <source>The book of people: %1</source>
            <translation>Le carnet de personnes : %1</translation>
        </message>
    </context>
    <context>
        <name>PersonButtons</name>
        <message>
            <source>The person cannot be saved: %1: %2</source>
            <translation>La personne ne peut pas être enregistrée : %1 : %2</translation>
        </message>
        <message>
            <source>%1 was not saved: another window or program changed or removed the person just now. Save again to store the entries.</source>
            <translation>%1 n'a pas été enregistré : une autre fenêtre ou un autre programme vient de modifier ou de retirer la personne. Enregistrez de nouveau pour conserver les saisies.</translation>
        </message>
        <message>
            <source>%1 was added to the book of people.</source>
            <translation>%1 a été ajouté au carnet de personnes.</translation>
        </message>
        <message>
            <source>%1 was saved in the book of people.</source>
            <translation>%1 a été enregistré dans le carnet de personnes.</translation>
        </message>
    </context>
    <context>
        <name>PlaceLookup</name>
        <message>
            <source>Did you mean %1?</source>
            <translation>Vouliez-vous dire %1 ?</translation>
        </message>
        <message>
            <source>Did you mean %1 or %2?</source>
            <translation>Vouliez-vous dire %1 ou %2 ?</translation>
        </message>
        <message>
            <source>Did you mean %1, %2 or %3?</source>
            <translation>Vouliez-vous dire %1, %2 ou %3 ?</translation>
        </message>
        <message>
            <source>Did you mean %1, %2, %3 or %4?</source>
            <translation>Vouliez-vous dire %1, %2, %3 ou %4 ?</translation>
        </message>
        <message>
            <source>Did you mean %1, %2, %3, %4 or %5?</source>
            <translation>Vouliez-vous dire %1, %2, %3, %4 ou %5 ?</translation>
        </message>
        <message>
            <source>No place is named %1 or has a name beginning with it.</source>
            <translation>Aucun lieu ne s'appelle %1 ni n'a de nom qui commence ainsi.</translation>
        </message>
        <message>
            <source>Type the name of the city.</source>
            <translation>Tapez le nom de la ville.</translation>
        </message>
        <message>
            <source>No country named %1.</source>
            <translation>Aucun pays nommé %1.</translation>
        </message>
        <message>
            <source>No %1 in the state %2: the state is left out.</source>
            <translation>Aucun %1 dans la région %2 : la région est laissée de côté.</translation>
        </message>
        <message>
            <source>No country named %1: the country is left out.</source>
            <translation>Aucun pays nommé %1 : le pays est laissé de côté.</translation>
        </message>
        <message>
            <source>No %1 in the country %2: the country is left out.</source>
            <translation>Aucun %1 dans le pays %2 : le pays est laissé de côté.</translation>
        </message>
        <message>
            <source>No country named %1, and no %2 in the state %3: both are left out.</source>
            <translation>Aucun pays nommé %1, et aucun %2 dans la région %3 : les deux sont laissés de côté.</translation>
        </message>
        <message>
            <source>No %1 with the state %2 or the country %3: both are left out.</source>
            <translation>Aucun %1 avec la région %2 ou le pays %3 : les deux sont laissés de côté.</translation>
        </message>
        <message numerus="yes">
            <source>The first %n places found; type more of the name to narrow them.</source>
            <translation>
                <numerusform>Le premier lieu trouvé ; tapez davantage du nom pour affiner.</numerusform>
                <numerusform>Les %n premiers lieux trouvés ; tapez davantage du nom pour affiner.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n places found.</source>
            <translation>
                <numerusform>%n lieu trouvé.</numerusform>
                <numerusform>%n lieux trouvés.</numerusform>
            </translation>
        </message>
        <message>
            <source>Offsets at the birth date and time on the form: %1.</source>
            <translation>Décalages à la date et à l'heure de naissance du formulaire : %1.</translation>
        </message>
        <message>
            <source>The birth date is still the form's start value, so the offsets shown are for %1; after Fill In the time zone follows the birth date when it is set.</source>
            <translation>La date de naissance est encore la valeur de départ du formulaire ; les décalages affichés valent donc pour le %1 ; après « Remplir », le fuseau horaire suit la date de naissance une fois saisie.</translation>
        </message>
        <message>
            <source>The birth date on the form is not on the calendar, so no time zone is suggested: Fill In sets the latitude and longitude only.</source>
            <translation>La date de naissance du formulaire n'existe pas au calendrier, aucun fuseau horaire n'est donc proposé : « Remplir » règle seulement la latitude et la longitude.</translation>
        </message>
        <message>
            <source>The time-zone database has no zone %1, so no time zone is suggested: Fill In sets the latitude and longitude only.</source>
            <translation>La base des fuseaux horaires n'a pas de fuseau %1, aucun fuseau horaire n'est donc proposé : « Remplir » règle seulement la latitude et la longitude.</translation>
        </message>
        <message>
            <source>Fill In sets the time zone %1 and checks Daylight Saving Time.</source>
            <translation>« Remplir » règle le fuseau horaire %1 et coche Heure d'été.</translation>
        </message>
        <message>
            <source>Fill In sets the time zone %1 and clears Daylight Saving Time.</source>
            <translation>« Remplir » règle le fuseau horaire %1 et décoche Heure d'été.</translation>
        </message>
        <message>
            <source>No time zone of the list gives UTC%1: Fill In sets the latitude and longitude only and leaves the time zone and Daylight Saving Time as they are.</source>
            <translation>Aucun fuseau horaire de la liste ne donne UTC%1 : « Remplir » règle seulement la latitude et la longitude et laisse le fuseau horaire et Heure d'été tels quels.</translation>
        </message>
        <message>
            <source>The birth time %1 never showed on the place's clocks, which were put forward over it; the offset is the one in force before the change.</source>
            <translation>L'heure de naissance %1 n'a jamais été affichée par les horloges du lieu, avancées par-dessus ; le décalage est celui en vigueur avant le changement.</translation>
        </message>
        <message>
            <source>The birth time %1 showed twice on the place's clocks, which were put back over it; the offset is that of the first time.</source>
            <translation>L'heure de naissance %1 a été affichée deux fois par les horloges du lieu, retardées par-dessus ; le décalage est celui de la première fois.</translation>
        </message>
    </context>
    <context>
        <name>Points</name>
        <message>
            <source>Sun</source>
            <translation>Soleil</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>Lune</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>Mercure</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>Vénus</translation>
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
            <translation>Saturne</translation>
        </message>
        <message>
            <source>Uranus</source>
            <translation>Uranus</translation>
        </message>
        <message>
            <source>Neptune</source>
            <translation>Neptune</translation>
        </message>
        <message>
            <source>Pluto</source>
            <translation>Pluton</translation>
        </message>
        <message>
            <source>North Node</source>
            <translation>Nœud Nord</translation>
        </message>
        <message>
            <source>South Node</source>
            <translation>Nœud Sud</translation>
        </message>
        <message>
            <source>Ascendant</source>
            <translation>Ascendant</translation>
        </message>
        <message>
            <source>Midheaven</source>
            <translation>Milieu du ciel</translation>
        </message>
    </context>
    <context>
        <name>Positions</name>
        <message>
            <source>Sun to Pluto on the equinox of J2000; true node</source>
            <translation>Du Soleil à Pluton sur l'équinoxe J2000 ; nœud vrai</translation>
        </message>
        <message>
            <source>Sun to Pluto on the equinox of J2000</source>
            <translation>Du Soleil à Pluton sur l'équinoxe J2000</translation>
        </message>
        <message>
            <source>Positions of date, true to the sky; true node; scores use these positions</source>
            <translation>Positions de la date, fidèles au ciel ; nœud vrai ; les scores utilisent ces positions</translation>
        </message>
        <message>
            <source>Positions of date, true to the sky; scores use these positions</source>
            <translation>Positions de la date, fidèles au ciel ; les scores utilisent ces positions</translation>
        </message>
    </context>
    <context>
        <name>ReadingBox</name>
        <message>
            <source>No printer is available.</source>
            <translation>Aucune imprimante n'est disponible.</translation>
        </message>
        <message>
            <source>Rich Text Format | *.kvz</source>
            <translation>Rich Text Format | *.kvz</translation>
        </message>
        <message>
            <source>Save Your Numerology Compatibility Result ....</source>
            <translation>Enregistrer votre résultat de compatibilité numérologique ....</translation>
        </message>
    </context>
    <context>
        <name>Relationship</name>
        <message>
            <source>Composite: midpoints of both charts, houses by midpoints of %1 cusps</source>
            <translation>Composite : points médians des deux thèmes, maisons par les points médians des cuspides %1</translation>
        </message>
        <message>
            <source>Davison: %1 UT at %2, local mean time %3</source>
            <translation>Davison : %1 TU à %2, heure moyenne locale %3</translation>
        </message>
    </context>
    <context>
        <name>RelationshipView</name>
        <message>
            <source>Composite</source>
            <translation>Composite</translation>
        </message>
        <message>
            <source>Davison</source>
            <translation>Davison</translation>
        </message>
        <message>
            <source>Point</source>
            <translation>Point</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>Position</translation>
        </message>
        <message>
            <source>House</source>
            <translation>Maison</translation>
        </message>
        <message>
            <source>Cusp</source>
            <translation>Cuspide</translation>
        </message>
        <message>
            <source>Aspects within the chart:</source>
            <translation>Aspects au sein du thème :</translation>
        </message>
        <message>
            <source>None within the orbs.</source>
            <translation>Aucun dans les orbes.</translation>
        </message>
        <message>
            <source>Cusp %1</source>
            <translation>Cuspide %1</translation>
        </message>
        <message>
            <source>&amp;Chart:</source>
            <translation>&amp;Thème :</translation>
        </message>
    </context>
    <context>
        <name>ReportWindow</name>
        <message>
            <source>&amp;Print</source>
            <translation>&amp;Imprimer</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Enregistrer</translation>
        </message>
        <message>
            <source>&amp;Back</source>
            <translation>&amp;Retour</translation>
        </message>
        <message>
            <source>&amp;Exit</source>
            <translation>&amp;Quitter</translation>
        </message>
        <message>
            <source>Reading</source>
            <translation>Lecture</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Fichier</translation>
        </message>
        <message>
            <source>Export as &amp;PDF...</source>
            <translation>Exporter en &amp;PDF...</translation>
        </message>
    </context>
    <context>
        <name>ScoresView</name>
        <message>
            <source>The four figures</source>
            <translation>Les quatre chiffres</translation>
        </message>
        <message>
            <source>A second score</source>
            <translation>Un second score</translation>
        </message>
    </context>
    <context>
        <name>Signs</name>
        <message>
            <source>Aries</source>
            <translation>Bélier</translation>
        </message>
        <message>
            <source>Taurus</source>
            <translation>Taureau</translation>
        </message>
        <message>
            <source>Gemini</source>
            <translation>Gémeaux</translation>
        </message>
        <message>
            <source>Cancer</source>
            <translation>Cancer</translation>
        </message>
        <message>
            <source>Leo</source>
            <translation>Lion</translation>
        </message>
        <message>
            <source>Virgo</source>
            <translation>Vierge</translation>
        </message>
        <message>
            <source>Libra</source>
            <translation>Balance</translation>
        </message>
        <message>
            <source>Scorpio</source>
            <translation>Scorpion</translation>
        </message>
        <message>
            <source>Sagittarius</source>
            <translation>Sagittaire</translation>
        </message>
        <message>
            <source>Capricorn</source>
            <translation>Capricorne</translation>
        </message>
        <message>
            <source>Aquarius</source>
            <translation>Verseau</translation>
        </message>
        <message>
            <source>Pisces</source>
            <translation>Poissons</translation>
        </message>
    </context>
    <context>
        <name>SpokenNames</name>
        <message>
            <source>Your name</source>
            <translation>Votre nom</translation>
        </message>
        <message>
            <source>Your birth month</source>
            <translation>Votre mois de naissance</translation>
        </message>
        <message>
            <source>Your birth day</source>
            <translation>Votre jour de naissance</translation>
        </message>
        <message>
            <source>Your birth year</source>
            <translation>Votre année de naissance</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Homme</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Femme</translation>
        </message>
        <message>
            <source>%1 first name</source>
            <translation>%1 : prénom</translation>
        </message>
        <message>
            <source>%1 middle name</source>
            <translation>%1 : deuxième prénom</translation>
        </message>
        <message>
            <source>%1 last name</source>
            <translation>%1 : nom de famille</translation>
        </message>
        <message>
            <source>%1 birth month</source>
            <translation>%1 : mois de naissance</translation>
        </message>
        <message>
            <source>%1 birth day</source>
            <translation>%1 : jour de naissance</translation>
        </message>
        <message>
            <source>%1 birth year</source>
            <translation>%1 : année de naissance</translation>
        </message>
        <message>
            <source>Choose Person for %1...</source>
            <translation>Choisir une personne pour %1...</translation>
        </message>
        <message>
            <source>Save Person for %1</source>
            <translation>Enregistrer la personne pour %1</translation>
        </message>
        <message>
            <source>Marriage day</source>
            <translation>Jour du mariage</translation>
        </message>
        <message>
            <source>Marriage month</source>
            <translation>Mois du mariage</translation>
        </message>
        <message>
            <source>Marriage year</source>
            <translation>Année du mariage</translation>
        </message>
        <message>
            <source>Exit the program</source>
            <translation>Quitter le programme</translation>
        </message>
        <message>
            <source>%1 name</source>
            <translation>%1 : nom</translation>
        </message>
        <message>
            <source>%1 birth hour</source>
            <translation>%1 : heure de naissance</translation>
        </message>
        <message>
            <source>%1 birth minute</source>
            <translation>%1 : minute de naissance</translation>
        </message>
        <message>
            <source>%1 time zone</source>
            <translation>%1 : fuseau horaire</translation>
        </message>
        <message>
            <source>%1 daylight saving time</source>
            <translation>%1 : heure d'été</translation>
        </message>
        <message>
            <source>%1 latitude degrees</source>
            <translation>%1 : degrés de latitude</translation>
        </message>
        <message>
            <source>%1 latitude minutes</source>
            <translation>%1 : minutes de latitude</translation>
        </message>
        <message>
            <source>%1 latitude %2</source>
            <translation>%1 : latitude %2</translation>
        </message>
        <message>
            <source>%1 longitude degrees</source>
            <translation>%1 : degrés de longitude</translation>
        </message>
        <message>
            <source>%1 longitude minutes</source>
            <translation>%1 : minutes de longitude</translation>
        </message>
        <message>
            <source>%1 longitude %2</source>
            <translation>%1 : longitude %2</translation>
        </message>
        <message>
            <source>Find the male latitude and longitude</source>
            <translation>Trouver la latitude et la longitude de l'homme</translation>
        </message>
        <message>
            <source>Find the female latitude and longitude</source>
            <translation>Trouver la latitude et la longitude de la femme</translation>
        </message>
        <message>
            <source>%1 city</source>
            <translation>%1 : ville</translation>
        </message>
        <message>
            <source>%1 state</source>
            <translation>%1 : région</translation>
        </message>
        <message>
            <source>%1 country</source>
            <translation>%1 : pays</translation>
        </message>
        <message>
            <source>City</source>
            <translation>Ville</translation>
        </message>
        <message>
            <source>State</source>
            <translation>Région</translation>
        </message>
        <message>
            <source>Country</source>
            <translation>Pays</translation>
        </message>
        <message>
            <source>Places</source>
            <translation>Lieux</translation>
        </message>
        <message>
            <source>Chart pages</source>
            <translation>Pages du thème</translation>
        </message>
        <message>
            <source>Houses of</source>
            <translation>Maisons de</translation>
        </message>
        <message>
            <source>Astro report</source>
            <translation>Rapport astrologique</translation>
        </message>
        <message>
            <source>People</source>
            <translation>Personnes</translation>
        </message>
        <message>
            <source>Usual frame</source>
            <translation>Cadre habituel</translation>
        </message>
        <message>
            <source>Time zone</source>
            <translation>Fuseau horaire</translation>
        </message>
        <message>
            <source>%1 date of birth</source>
            <translation>%1 : date de naissance</translation>
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
            <translation>L'application est déjà lancée</translation>
        </message>
    </context>
    <context>
        <name>Web</name>
        <message>
            <source>There maybe an update to this software available<byte value="xd" />Do you want to check for an update?</source>
            <translation>Une mise à jour de ce logiciel est peut-être disponible<byte value="xd" />Voulez-vous rechercher une mise à jour ?</translation>
        </message>
    </context>
    <context>
        <name>WheelFiles</name>
        <message>
            <source>Save Chart Picture</source>
            <translation>Enregistrer l'image du thème</translation>
        </message>
        <message>
            <source>Aspects between the charts: his points down, hers across</source>
            <translation>Aspects entre les thèmes : ses points à lui en lignes, ceux d'elle en colonnes</translation>
        </message>
        <message>
            <source>Tightest aspects:</source>
            <translation>Aspects les plus serrés :</translation>
        </message>
        <message>
            <source>Export as PDF</source>
            <translation>Exporter en PDF</translation>
        </message>
    </context>
    <context>
        <name>WheelWords</name>
        <message>
            <source>No readable positions.</source>
            <translation>Aucune position lisible.</translation>
        </message>
        <message>
            <source>%1 at %2 %3.</source>
            <translation>%1 à %2 %3.</translation>
        </message>
        <message>
            <source>Chart wheel</source>
            <translation>Roue du thème</translation>
        </message>
        <message>
            <source>%1 chart wheel</source>
            <translation>Roue du thème %1</translation>
        </message>
        <message>
            <source>Chart wheel of two charts: the male chart on the inner ring, the female chart on the outer ring.</source>
            <translation>Roue de deux thèmes : le thème de l'homme sur l'anneau intérieur, celui de la femme sur l'anneau extérieur.</translation>
        </message>
        <message>
            <source>Male chart:</source>
            <translation>Thème de l'homme :</translation>
        </message>
        <message>
            <source>Female chart:</source>
            <translation>Thème de la femme :</translation>
        </message>
        <message>
            <source>%1 chart:</source>
            <translation>Thème %1 :</translation>
        </message>
        <message>
            <source>Cusps in %1 houses.</source>
            <translation>Cuspides en maisons %1.</translation>
        </message>
        <message>
            <source>Cusps of the male chart in %1 houses.</source>
            <translation>Cuspides du thème de l'homme en maisons %1.</translation>
        </message>
        <message>
            <source>Cusps of the female chart in %1 houses.</source>
            <translation>Cuspides du thème de la femme en maisons %1.</translation>
        </message>
        <message numerus="yes">
            <source>%n aspects between the charts.</source>
            <translation>
                <numerusform>%n aspect entre les thèmes.</numerusform>
                <numerusform>%n aspects entre les thèmes.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n aspects within the chart.</source>
            <translation>
                <numerusform>%n aspect au sein du thème.</numerusform>
                <numerusform>%n aspects au sein du thème.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>astro::frmMatch</name>
        <message>
            <source>Name:</source>
            <translation>Nom :</translation>
        </message>
        <message>
            <source>Date of Birth:</source>
            <translation>Date de naissance :</translation>
        </message>
        <message>
            <source>Time Of Birth:</source>
            <translation>Heure de naissance :</translation>
        </message>
        <message>
            <source>Daylight Saving Time</source>
            <translation>Heure d'été</translation>
        </message>
        <message>
            <source>Time Zone:</source>
            <translation>Fuseau horaire :</translation>
        </message>
        <message>
            <source>DEG/MIN</source>
            <translation>DEG/MIN</translation>
        </message>
        <message>
            <source>Click here to find Latitude &amp;&amp; Longitude</source>
            <translation>Cliquer ici pour trouver latitude &amp;&amp; longitude</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>Ville :</translation>
        </message>
        <message>
            <source>State:</source>
            <translation>Région :</translation>
        </message>
        <message>
            <source>Country:</source>
            <translation>Pays :</translation>
        </message>
        <message>
            <source>North</source>
            <translation>Nord</translation>
        </message>
        <message>
            <source>South</source>
            <translation>Sud</translation>
        </message>
        <message>
            <source>Latitude:</source>
            <translation>Latitude :</translation>
        </message>
        <message>
            <source>East</source>
            <translation>Est</translation>
        </message>
        <message>
            <source>West</source>
            <translation>Ouest</translation>
        </message>
        <message>
            <source>Longitude:</source>
            <translation>Longitude :</translation>
        </message>
        <message>
            <source>Choose Person...</source>
            <translation>Choisir une personne...</translation>
        </message>
        <message>
            <source>Save Person</source>
            <translation>Enregistrer la personne</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Homme</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Femme</translation>
        </message>
        <message>
            <source>QM Orvanel Software</source>
            <translation>QM Orvanel Software</translation>
        </message>
        <message>
            <source>Enter the City, State and Country, then press the button above them to find the Latitude and Longitude of the place of birth.</source>
            <translation>Saisissez la ville, la région et le pays, puis appuyez sur le bouton au-dessus pour trouver la latitude et la longitude du lieu de naissance.</translation>
        </message>
        <message>
            <source>Analyze Compatibility</source>
            <translation>Analyser la compatibilité</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Fichier</translation>
        </message>
        <message>
            <source>&amp;Analyze Compatibility</source>
            <translation>&amp;Analyser la compatibilité</translation>
        </message>
        <message>
            <source>&amp;People...</source>
            <translation>&amp;Personnes...</translation>
        </message>
        <message>
            <source>&amp;Exit</source>
            <translation>&amp;Quitter</translation>
        </message>
        <message>
            <source>&amp;Online Help</source>
            <translation>&amp;Aide en ligne</translation>
        </message>
        <message>
            <source>&amp;Visit Us Online</source>
            <translation>&amp;Nous rendre visite en ligne</translation>
        </message>
    </context>
    <context>
        <name>astro::frmPlaceLookup</name>
        <message>
            <source>Find the Place of Birth</source>
            <translation>Trouver le lieu de naissance</translation>
        </message>
        <message>
            <source>Find the Place of Birth: %1</source>
            <translation>Trouver le lieu de naissance : %1</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Homme</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Femme</translation>
        </message>
        <message>
            <source>Places: GeoNames (geonames.org), CC BY 4.0</source>
            <translation>Lieux : GeoNames (geonames.org), CC BY 4.0</translation>
        </message>
        <message>
            <source>Search the &amp;Web</source>
            <translation>Chercher sur le &amp;Web</translation>
        </message>
        <message>
            <source>&amp;Fill In</source>
            <translation>&amp;Remplir</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Fermer</translation>
        </message>
        <message>
            <source>Search the Web looks the place up on the web instead.</source>
            <translation>« Chercher sur le Web » cherche plutôt le lieu sur le Web.</translation>
        </message>
        <message>
            <source>No web browser could be started to search for the place.</source>
            <translation>Aucun navigateur web n'a pu être lancé pour chercher le lieu.</translation>
        </message>
        <message numerus="yes">
            <source>Places, %n found</source>
            <translation>
                <numerusform>Lieux, %n trouvé</numerusform>
                <numerusform>Lieux, %n trouvés</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>frmAbout</name>
        <message>
            <source>&lt;a href="home"&gt;Visit our home page&lt;/a&gt;</source>
            <translation>&lt;a href="home"&gt;Visitez notre page d'accueil&lt;/a&gt;</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>QM Zentara Software Software is a compatibility report generator based on astrology as well as numerology. The astrology match software is based on the planetary positions at the time of birth while the numerology match software is based on Pythagorean system of numerology and the effect of cosmic vibrations on a person.</source>
            <translation>QM Zentara Software produit des rapports de compatibilité fondés sur l'astrologie et la numérologie. La comparaison astrologique repose sur les positions des planètes à l'heure de la naissance, la comparaison numérologique sur le système pythagoricien de numérologie et l'effet des vibrations cosmiques sur une personne.</translation>
        </message>
    </context>
    <context>
        <name>frmBestMatches</name>
        <message>
            <source>Best Matches for %1</source>
            <translation>Meilleurs partenaires pour %1</translation>
        </message>
        <message>
            <source>Best matches for %1 (as %2), by Percentage, then P * H:</source>
            <translation>Meilleurs partenaires pour %1 (en tant que %2), par pourcentage, puis P * H :</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Homme</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Femme</translation>
        </message>
        <message>
            <source>Partner</source>
            <translation>Partenaire</translation>
        </message>
        <message>
            <source>Percentage</source>
            <translation>Pourcentage</translation>
        </message>
        <message>
            <source>P * H</source>
            <translation>P * H</translation>
        </message>
        <message>
            <source>Power</source>
            <translation>Puissance</translation>
        </message>
        <message>
            <source>Harmony</source>
            <translation>Harmonie</translation>
        </message>
        <message>
            <source>Comment</source>
            <translation>Commentaire</translation>
        </message>
        <message>
            <source>Not ranked</source>
            <translation>Non classés</translation>
        </message>
        <message>
            <source>Why</source>
            <translation>Pourquoi</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
    </context>
    <context>
        <name>frmOrbs</name>
        <message>
            <source>Aspect Orbs</source>
            <translation>Orbes des aspects</translation>
        </message>
        <message>
            <source>A pair of points takes the larger orb of its two.</source>
            <translation>Une paire de points prend le plus grand de ses deux orbes.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Orb when the &amp;Sun or Moon takes part:</source>
            <translation>Orbe quand le &amp;Soleil ou la Lune participe :</translation>
        </message>
        <message>
            <source>Orb of the other &amp;planets:</source>
            <translation>Orbe des autres &amp;planètes :</translation>
        </message>
        <message>
            <source>Orb of the &amp;node, Asc and MC:</source>
            <translation>Orbe du &amp;nœud, de l'Asc et du MC :</translation>
        </message>
    </context>
    <context>
        <name>frmPeople</name>
        <message>
            <source>CSV Files (*.csv)|*.csv</source>
            <translation>Fichiers CSV (*.csv)|*.csv</translation>
        </message>
        <message>
            <source>Choose Person</source>
            <translation>Choisir une personne</translation>
        </message>
        <message>
            <source>People</source>
            <translation>Personnes</translation>
        </message>
        <message>
            <source>Type to search; Up and Down choose a person, Enter takes them.</source>
            <translation>Tapez pour chercher ; Haut et Bas choisissent une personne, Entrée la prend.</translation>
        </message>
        <message>
            <source>Type to search; Up and Down move, Enter edits, Delete deletes; select two people (Ctrl+click) for a match.</source>
            <translation>Tapez pour chercher ; Haut et Bas se déplacent, Entrée modifie, Suppr supprime ; choisissez deux personnes (Ctrl+clic) pour une comparaison.</translation>
        </message>
        <message>
            <source>&amp;Search:</source>
            <translation>&amp;Chercher :</translation>
        </message>
        <message>
            <source>any name, place or note</source>
            <translation>un nom, un lieu ou une note</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nom</translation>
        </message>
        <message>
            <source>Born</source>
            <translation>Né le</translation>
        </message>
        <message>
            <source>Place</source>
            <translation>Lieu</translation>
        </message>
        <message>
            <source>&amp;Choose</source>
            <translation>&amp;Choisir</translation>
        </message>
        <message>
            <source>&amp;Add...</source>
            <translation>&amp;Ajouter...</translation>
        </message>
        <message>
            <source>&amp;Edit...</source>
            <translation>&amp;Modifier...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Supprimer</translation>
        </message>
        <message>
            <source>&amp;Import...</source>
            <translation>&amp;Importer...</translation>
        </message>
        <message>
            <source>E&amp;xport...</source>
            <translation>E&amp;xporter...</translation>
        </message>
        <message>
            <source>&amp;Numerology Match</source>
            <translation>Comparaison &amp;numérologique</translation>
        </message>
        <message>
            <source>Astro &amp;Match</source>
            <translation>Comparaison &amp;astrologique</translation>
        </message>
        <message>
            <source>&amp;Best Matches for...</source>
            <translation>&amp;Meilleurs partenaires pour...</translation>
        </message>
        <message>
            <source>Couple &amp;Report...</source>
            <translation>&amp;Rapport du couple...</translation>
        </message>
        <message numerus="yes">
            <source>%1 of %n people</source>
            <translation>
                <numerusform>%1 sur %n personne</numerusform>
                <numerusform>%1 sur %n personnes</numerusform>
            </translation>
        </message>
        <message>
            <source>Delete %1 from the book of people?</source>
            <translation>Supprimer %1 du carnet de personnes ?</translation>
        </message>
        <message>
            <source>Delete these %1 people from the book of people: %2?</source>
            <translation>Supprimer ces %1 personnes du carnet de personnes : %2 ?</translation>
        </message>
        <message>
            <source>No one was deleted: %1 changed in the book of people, or left it, since this list showed them. The list now shows the book as it is; choose again.</source>
            <translation>Personne n'a été supprimé : %1 a changé dans le carnet de personnes, ou l'a quitté, depuis que cette liste l'affichait. La liste montre maintenant le carnet tel qu'il est ; choisissez de nouveau.</translation>
        </message>
        <message>
            <source>%1 cannot be read.</source>
            <translation>%1 ne peut pas être lu.</translation>
        </message>
        <message>
            <source>No one was added: %1.</source>
            <translation>Personne n'a été ajouté : %1.</translation>
        </message>
        <message numerus="yes">
            <source>%n people added.</source>
            <translation>
                <numerusform>%n personne ajoutée.</numerusform>
                <numerusform>%n personnes ajoutées.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source> %n rows were left out:</source>
            <translation>
                <numerusform> %n ligne a été laissée de côté :</numerusform>
                <numerusform> %n lignes ont été laissées de côté :</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>
... and %n more.</source>
            <translation>
                <numerusform>
... et %n autre.</numerusform>
                <numerusform>
... et %n autres.</numerusform>
            </translation>
        </message>
        <message>
            <source>Select two people for a match (Ctrl+click the second).</source>
            <translation>Choisissez deux personnes pour une comparaison (Ctrl+clic sur la seconde).</translation>
        </message>
        <message>
            <source>Select the person whose best matches you want.</source>
            <translation>Choisissez la personne dont vous voulez les meilleurs partenaires.</translation>
        </message>
    </context>
    <context>
        <name>frmPerson</name>
        <message>
            <source>First Name:</source>
            <translation>Prénom :</translation>
        </message>
        <message>
            <source>Middle Name:</source>
            <translation>Deuxième prénom :</translation>
        </message>
        <message>
            <source>Last Name:</source>
            <translation>Nom de famille :</translation>
        </message>
        <message>
            <source>Name on the Astro Form:</source>
            <translation>Nom sur le formulaire astrologique :</translation>
        </message>
        <message>
            <source>first and last name when empty</source>
            <translation>prénom et nom si vide</translation>
        </message>
        <message>
            <source>Date of Birth:</source>
            <translation>Date de naissance :</translation>
        </message>
        <message>
            <source>YYYY-MM-DD</source>
            <translation>AAAA-MM-JJ</translation>
        </message>
        <message>
            <source>Time of Birth:</source>
            <translation>Heure de naissance :</translation>
        </message>
        <message>
            <source>HH:MM, empty when unknown</source>
            <translation>HH:MM, vide si inconnue</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>Ville :</translation>
        </message>
        <message>
            <source>State:</source>
            <translation>Région :</translation>
        </message>
        <message>
            <source>Country:</source>
            <translation>Pays :</translation>
        </message>
        <message>
            <source>Latitude:</source>
            <translation>Latitude :</translation>
        </message>
        <message>
            <source>such as 41N52</source>
            <translation>par exemple 41N52</translation>
        </message>
        <message>
            <source>Longitude:</source>
            <translation>Longitude :</translation>
        </message>
        <message>
            <source>such as 87W38</source>
            <translation>par exemple 87W38</translation>
        </message>
        <message>
            <source>IANA Time Zone:</source>
            <translation>Fuseau horaire IANA :</translation>
        </message>
        <message>
            <source>from the atlas</source>
            <translation>d'après l'atlas</translation>
        </message>
        <message>
            <source>Usual Frame:</source>
            <translation>Cadre habituel :</translation>
        </message>
        <message>
            <source>Time Zone:</source>
            <translation>Fuseau horaire :</translation>
        </message>
        <message>
            <source>Daylight Saving Time:</source>
            <translation>Heure d'été :</translation>
        </message>
        <message>
            <source>Note:</source>
            <translation>Note :</translation>
        </message>
        <message>
            <source>Add Person</source>
            <translation>Ajouter une personne</translation>
        </message>
        <message>
            <source>Edit Person</source>
            <translation>Modifier la personne</translation>
        </message>
        <message>
            <source>&amp;Find Place...</source>
            <translation>&amp;Trouver le lieu...</translation>
        </message>
        <message>
            <source>Not said</source>
            <translation>Non précisé</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Homme</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Femme</translation>
        </message>
        <message>
            <source>(unknown)</source>
            <translation>(inconnu)</translation>
        </message>
        <message>
            <source>Daylight Saving Time</source>
            <translation>Heure d'été</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Enregistrer</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Save as &amp;New Person</source>
            <translation>Enregistrer comme &amp;nouvelle personne</translation>
        </message>
        <message>
            <source>%1 was removed from the book of people by another window or program since this window opened. Save what this window holds as a new person?</source>
            <translation>%1 a été retiré du carnet de personnes par une autre fenêtre ou un autre programme depuis l'ouverture de cette fenêtre. Enregistrer le contenu de cette fenêtre comme nouvelle personne ?</translation>
        </message>
        <message>
            <source>%1 was changed in the book of people by another window or program since this window opened, so saving here would undo that change. Reload the person as the book now has them (what you typed here is then lost), or save what this window holds as a new person?</source>
            <translation>%1 a été modifié dans le carnet de personnes par une autre fenêtre ou un autre programme depuis l'ouverture de cette fenêtre ; enregistrer ici annulerait ce changement. Recharger la personne telle que le carnet l'a maintenant (ce que vous avez saisi ici est alors perdu), ou enregistrer le contenu de cette fenêtre comme nouvelle personne ?</translation>
        </message>
        <message>
            <source>&amp;Reload</source>
            <translation>&amp;Recharger</translation>
        </message>
    </context>
    <context>
        <name>frmReport</name>
        <message>
            <source>The result generated by QM Free Orvanel Software for the input set of data is displayed as below:</source>
            <translation>Le résultat produit par QM Free Orvanel Software pour les données saisies est affiché ci-dessous :</translation>
        </message>
        <message>
            <source>The power of a planet depends on which house it occupies and other details. The power of each planet, sign or house is also associated with harmony or discord.</source>
            <translation>La puissance d'une planète dépend de la maison qu'elle occupe et d'autres détails. La puissance de chaque planète, signe ou maison est aussi liée à l'harmonie ou à la discorde.</translation>
        </message>
        <message>
            <source>In simple terms, Power represents the strength of bonding between two people and Harmony represents the level of comfort you share with the other person. It is believed by research that the product of the two gives the best result regarding relationship between two people.</source>
            <translation>En termes simples, la puissance représente la force du lien entre deux personnes et l'harmonie le degré d'aisance que vous partagez avec l'autre. Selon la recherche, le produit des deux donne le meilleur résultat quant à la relation entre deux personnes.</translation>
        </message>
        <message>
            <source>Thus, Power, Harmony and Power * Harmony are displayed in the report. Based on the average values calculated for a random group of people, the percentage level of compatibility is calculated and displayed.</source>
            <translation>Ainsi, la puissance, l'harmonie et puissance * harmonie sont affichées dans le rapport. À partir des valeurs moyennes calculées pour un groupe de personnes pris au hasard, le pourcentage de compatibilité est calculé et affiché.</translation>
        </message>
        <message>
            <source>Sun</source>
            <translation>Soleil</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>Lune</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>Mercure</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>Vénus</translation>
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
            <translation>Saturne</translation>
        </message>
        <message>
            <source>Uranus</source>
            <translation>Uranus</translation>
        </message>
        <message>
            <source>Neptune</source>
            <translation>Neptune</translation>
        </message>
        <message>
            <source>Pluto</source>
            <translation>Pluton</translation>
        </message>
        <message>
            <source>N Node</source>
            <translation>Nœud N</translation>
        </message>
        <message>
            <source>S Node</source>
            <translation>Nœud S</translation>
        </message>
        <message>
            <source>Asc</source>
            <translation>Asc</translation>
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
            <translation>Nom :</translation>
        </message>
        <message>
            <source>Date of Birth:</source>
            <translation>Date de naissance :</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>Ville :</translation>
        </message>
        <message>
            <source>State:</source>
            <translation>Région :</translation>
        </message>
        <message>
            <source>Country:</source>
            <translation>Pays :</translation>
        </message>
        <message>
            <source>QM Orvanel Software v2.0</source>
            <translation>QM Orvanel Software v2.0</translation>
        </message>
        <message>
            <source>Male:</source>
            <translation>Homme :</translation>
        </message>
        <message>
            <source>Female:</source>
            <translation>Femme :</translation>
        </message>
        <message>
            <source>Compatibility:</source>
            <translation>Compatibilité :</translation>
        </message>
        <message>
            <source>Compatibility Report:</source>
            <translation>Rapport de compatibilité :</translation>
        </message>
        <message>
            <source>Power</source>
            <translation>Puissance</translation>
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
            <translation>Pourcentage</translation>
        </message>
        <message>
            <source>Comment</source>
            <translation>Commentaire</translation>
        </message>
        <message>
            <source>Natal Position Data:</source>
            <translation>Positions natales :</translation>
        </message>
    </context>
    <context>
        <name>numerology::frmMain</name>
        <message>
            <source>* First Name</source>
            <translation>* Prénom</translation>
        </message>
        <message>
            <source>Middle Name</source>
            <translation>Deuxième prénom</translation>
        </message>
        <message>
            <source>* Last Name</source>
            <translation>* Nom de famille</translation>
        </message>
        <message>
            <source>Date of Birth</source>
            <translation>Date de naissance</translation>
        </message>
        <message>
            <source>Choose Person...</source>
            <translation>Choisir une personne...</translation>
        </message>
        <message>
            <source>Save Person</source>
            <translation>Enregistrer la personne</translation>
        </message>
        <message>
            <source>QM Zentara Software</source>
            <translation>QM Zentara Software</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Homme</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Femme</translation>
        </message>
        <message>
            <source>Marriage Date</source>
            <translation>Date de mariage</translation>
        </message>
        <message>
            <source>LifePath Compatibility</source>
            <translation>Compatibilité du chemin de vie</translation>
        </message>
        <message>
            <source>Destiny Compatibility</source>
            <translation>Compatibilité du destin</translation>
        </message>
        <message>
            <source>Comprehensive Reading</source>
            <translation>Lecture complète</translation>
        </message>
        <message>
            <source>&amp;Open Previously Saved Reading</source>
            <translation>&amp;Ouvrir une lecture enregistrée</translation>
        </message>
        <message>
            <source>&amp;Back</source>
            <translation>&amp;Retour</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Note: </source>
            <translation>Remarque : </translation>
        </message>
        <message>
            <source>This program has been designed keeping in mind date settings according to MM/DD/YYYY format</source>
            <translation>Ce programme attend les dates au format MM/JJ/AAAA</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Fichier</translation>
        </message>
        <message>
            <source>&amp;Comprehensive Reading</source>
            <translation>&amp;Lecture complète</translation>
        </message>
        <message>
            <source>&amp;LifePath Compatibility</source>
            <translation>Compatibilité du &amp;chemin de vie</translation>
        </message>
        <message>
            <source>&amp;Destiny Compatibility</source>
            <translation>Compatibilité du &amp;destin</translation>
        </message>
        <message>
            <source>Extended &amp;Numbers</source>
            <translation>&amp;Nombres étendus</translation>
        </message>
        <message>
            <source>&amp;People...</source>
            <translation>&amp;Personnes...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Quitter</translation>
        </message>
        <message>
            <source>QM Velmora (*.kvz)|*.kvz</source>
            <translation>QM Velmora (*.kvz)|*.kvz</translation>
        </message>
        <message>
            <source>Select the source file</source>
            <translation>Choisir le fichier source</translation>
        </message>
        <message>
            <source>Please Check The File.</source>
            <translation>Veuillez vérifier le fichier.</translation>
        </message>
        <message>
            <source>&amp;Online help</source>
            <translation>&amp;Aide en ligne</translation>
        </message>
        <message>
            <source>&amp;Visit us Online</source>
            <translation>&amp;Nous rendre visite en ligne</translation>
        </message>
    </context>
    <context>
        <name>shell::frmAtFirst</name>
        <message>
            <source>This program has been designed keeping in mind date settings according to MM/DD/YYYY format</source>
            <translation>Ce programme attend les dates au format MM/JJ/AAAA</translation>
        </message>
        <message>
            <source>Option</source>
            <translation>Option</translation>
        </message>
        <message>
            <source>Astro Match Compatibility</source>
            <translation>Compatibilité astrologique</translation>
        </message>
        <message>
            <source>Numerology Match Compatibility</source>
            <translation>Compatibilité numérologique</translation>
        </message>
        <message>
            <source>&amp;Proceed</source>
            <translation>&amp;Continuer</translation>
        </message>
        <message>
            <source>P&amp;eople...</source>
            <translation>P&amp;ersonnes...</translation>
        </message>
        <message>
            <source>Your Details Please</source>
            <translation>Vos coordonnées, s'il vous plaît</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nom</translation>
        </message>
        <message>
            <source>Birth Day</source>
            <translation>Date de naissance</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Homme</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Femme</translation>
        </message>
        <message>
            <source>Note: </source>
            <translation>Remarque : </translation>
        </message>
        <message>
            <source>Please Select One Option</source>
            <translation>Veuillez choisir une option</translation>
        </message>
    </context>
</TS>
