<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
