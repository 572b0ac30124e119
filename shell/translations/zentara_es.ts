<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
    <context>
        <name>AspectGrid</name>
        <message>
            <source>His %1</source>
            <translation>Su %1 (él)</translation>
        </message>
        <message>
            <source>Her %1</source>
            <translation>Su %1 (ella)</translation>
        </message>
        <message>
            <source>Aspects grid</source>
            <translation>Cuadrícula de aspectos</translation>
        </message>
        <message>
            <source>His points down, her points across; each cell says the aspect they make, if any.</source>
            <translation>Los puntos de él en filas, los de ella en columnas; cada celda dice el aspecto que forman, si lo hay.</translation>
        </message>
        <message>
            <source>His points down, her points across</source>
            <translation>Los puntos de él en filas, los de ella en columnas</translation>
        </message>
        <message>
            <source>His %1 and her %2: no aspect</source>
            <translation>Su %1 (él) y su %2 (ella): ningún aspecto</translation>
        </message>
        <message>
            <source>His %1 and her %2: %3, %4 from exact</source>
            <translation>Su %1 (él) y su %2 (ella): %3, a %4 del exacto</translation>
        </message>
    </context>
    <context>
        <name>AspectsView</name>
        <message>
            <source>His %1</source>
            <translation>Su %1 (él)</translation>
        </message>
        <message>
            <source>Her %1</source>
            <translation>Su %1 (ella)</translation>
        </message>
        <message>
            <source>Tightest aspects:</source>
            <translation>Aspectos más cerrados:</translation>
        </message>
        <message>
            <source>None within the orbs.</source>
            <translation>Ninguno dentro de los orbes.</translation>
        </message>
    </context>
    <context>
        <name>Checks</name>
        <message>
            <source>Please Enter your Correct Date Or Month!</source>
            <translation>¡Escriba su día o mes correcto!</translation>
        </message>
        <message>
            <source>Please Enter Your Correct Date Or Month!</source>
            <translation>¡Escriba su día o mes correcto!</translation>
        </message>
        <message>
            <source>Please Enter Your Correct Date Or Month !</source>
            <translation>¡Escriba su día o mes correcto!</translation>
        </message>
        <message>
            <source>Please Enter Your Partner's Correct Date Or Month!</source>
            <translation>¡Escriba el día o mes correcto de su pareja!</translation>
        </message>
        <message>
            <source>Please Enter Your Partner's Correct Date Or Month !</source>
            <translation>¡Escriba el día o mes correcto de su pareja!</translation>
        </message>
        <message>
            <source>Male: First Name cannot be blank</source>
            <translation>Hombre: el nombre no puede estar vacío</translation>
        </message>
        <message>
            <source>Male: Last Name cannot be blank</source>
            <translation>Hombre: el apellido no puede estar vacío</translation>
        </message>
        <message>
            <source>Female: First Name cannot be blank</source>
            <translation>Mujer: el nombre no puede estar vacío</translation>
        </message>
        <message>
            <source>Female: Last Name cannot be blank</source>
            <translation>Mujer: el apellido no puede estar vacío</translation>
        </message>
        <message>
            <source>Male: Date of Birth cannot be blank</source>
            <translation>Hombre: el día de nacimiento no puede estar vacío</translation>
        </message>
        <message>
            <source>Male: Month of Birth cannot be blank</source>
            <translation>Hombre: el mes de nacimiento no puede estar vacío</translation>
        </message>
        <message>
            <source>Male: Year of Birth cannot be blank</source>
            <translation>Hombre: el año de nacimiento no puede estar vacío</translation>
        </message>
        <message>
            <source>Female: Date of Birth cannot be blank</source>
            <translation>Mujer: el día de nacimiento no puede estar vacío</translation>
        </message>
        <message>
            <source>Female: Month of Birth cannot be blank</source>
            <translation>Mujer: el mes de nacimiento no puede estar vacío</translation>
        </message>
        <message>
            <source>Female: Year of Birth cannot be blank</source>
            <translation>Mujer: el año de nacimiento no puede estar vacío</translation>
        </message>
        <message>
            <source>Please Enter Male Name</source>
            <translation>Escriba el nombre del hombre</translation>
        </message>
        <message>
            <source>Please Enter Female Name</source>
            <translation>Escriba el nombre de la mujer</translation>
        </message>
        <message>
            <source>Please Enter Degree in Latitude</source>
            <translation>Escriba los grados de latitud</translation>
        </message>
        <message>
            <source>Please Enter Minutes in Latitude</source>
            <translation>Escriba los minutos de latitud</translation>
        </message>
        <message>
            <source>Please Enter Degree in Longitude</source>
            <translation>Escriba los grados de longitud</translation>
        </message>
        <message>
            <source>Please Enter Minute in Longitude</source>
            <translation>Escriba los minutos de longitud</translation>
        </message>
        <message>
            <source>Please Enter Minutes in Longitude</source>
            <translation>Escriba los minutos de longitud</translation>
        </message>
        <message>
            <source>Please Enter City</source>
            <translation>Escriba la ciudad</translation>
        </message>
        <message>
            <source>Please Enter State</source>
            <translation>Escriba el estado</translation>
        </message>
        <message>
            <source>Please Enter Country</source>
            <translation>Escriba el país</translation>
        </message>
        <message>
            <source>Please Select Direction For The Latitude</source>
            <translation>Elija la dirección de la latitud</translation>
        </message>
        <message>
            <source>Please Select Direction For The Longitude</source>
            <translation>Elija la dirección de la longitud</translation>
        </message>
        <message>
            <source>Please enter only letters</source>
            <translation>Escriba solo letras</translation>
        </message>
        <message>
            <source>Please enter only numbers</source>
            <translation>Escriba solo números</translation>
        </message>
        <message>
            <source>The couple report takes names of at most 100 letters.</source>
            <translation>El informe de pareja admite nombres de 100 letras como máximo.</translation>
        </message>
    </context>
    <context>
        <name>CoupleReport</name>
        <message>
            <source>Couple Report</source>
            <translation>Informe de pareja</translation>
        </message>
    </context>
    <context>
        <name>FileExport</name>
        <message>
            <source>its contents could not be made</source>
            <translation>no se pudo crear su contenido</translation>
        </message>
        <message>
            <source>Could not save %1: %2</source>
            <translation>No se pudo guardar %1: %2</translation>
        </message>
        <message>
            <source>PDF Document (*.pdf)|*.pdf</source>
            <translation>Documento PDF (*.pdf)|*.pdf</translation>
        </message>
        <message>
            <source>Export as PDF</source>
            <translation>Exportar como PDF</translation>
        </message>
    </context>
    <context>
        <name>HelpMenu</name>
        <message>
            <source>&amp;Help</source>
            <translation>A&amp;yuda</translation>
        </message>
        <message>
            <source>Check for Software &amp;Update</source>
            <translation>Buscar &amp;actualizaciones</translation>
        </message>
        <message>
            <source>&amp;About Software</source>
            <translation>&amp;Acerca del programa</translation>
        </message>
    </context>
    <context>
        <name>HouseTables</name>
        <message>
            <source>Cusps: %1</source>
            <translation>Cúspides: %1</translation>
        </message>
        <message>
            <source>House</source>
            <translation>Casa</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Hombre</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Mujer</translation>
        </message>
        <message>
            <source>His points in her houses</source>
            <translation>Los puntos de él en las casas de ella</translation>
        </message>
        <message>
            <source>His point</source>
            <translation>Su punto (él)</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>Posición</translation>
        </message>
        <message>
            <source>Her house</source>
            <translation>Su casa (ella)</translation>
        </message>
        <message>
            <source>His house</source>
            <translation>Su casa (él)</translation>
        </message>
        <message>
            <source>Her points in his houses</source>
            <translation>Los puntos de ella en las casas de él</translation>
        </message>
        <message>
            <source>Her point</source>
            <translation>Su punto (ella)</translation>
        </message>
    </context>
    <context>
        <name>HousesView</name>
        <message>
            <source>Houses of both charts and where each partner's points fall</source>
            <translation>Casas de ambas cartas y dónde caen los puntos de cada miembro de la pareja</translation>
        </message>
    </context>
    <context>
        <name>Language</name>
        <message>
            <source>&amp;Language...</source>
            <translation>&amp;Idioma...</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Choose the language of the windows. It is used from the next time the program starts.</source>
            <translation>Elija el idioma de las ventanas. Se usará a partir del próximo inicio del programa.</translation>
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
            <translation>P&amp;orfirio</translation>
        </message>
        <message>
            <source>&amp;Equal</source>
            <translation>&amp;Iguales</translation>
        </message>
        <message>
            <source>&amp;Whole Sign</source>
            <translation>Signos &amp;enteros</translation>
        </message>
        <message>
            <source>QM Orvanel Software</source>
            <translation>QM Orvanel Software</translation>
        </message>
        <message>
            <source>&amp;Print</source>
            <translation>&amp;Imprimir</translation>
        </message>
        <message>
            <source>&amp;Back</source>
            <translation>&amp;Volver</translation>
        </message>
        <message>
            <source>&amp;Exit</source>
            <translation>&amp;Salir</translation>
        </message>
        <message>
            <source>Chart Wheel</source>
            <translation>Rueda de la carta</translation>
        </message>
        <message>
            <source>Aspects</source>
            <translation>Aspectos</translation>
        </message>
        <message>
            <source>Houses</source>
            <translation>Casas</translation>
        </message>
        <message>
            <source>Relationship</source>
            <translation>Relación</translation>
        </message>
        <message>
            <source>Scores</source>
            <translation>Puntuaciones</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Hombre</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Mujer</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Archivo</translation>
        </message>
        <message>
            <source>Export as &amp;PDF...</source>
            <translation>Exportar como &amp;PDF...</translation>
        </message>
        <message>
            <source>Save Chart &amp;Picture...</source>
            <translation>Guardar &amp;imagen de la carta...</translation>
        </message>
        <message>
            <source>Couple &amp;Report...</source>
            <translation>&amp;Informe de pareja...</translation>
        </message>
        <message>
            <source>Positions on the Equinox of &amp;Date</source>
            <translation>Posiciones sobre el equinoccio de la &amp;fecha</translation>
        </message>
        <message>
            <source>&amp;Mean Node</source>
            <translation>Nodo &amp;medio</translation>
        </message>
        <message>
            <source>&amp;True Node</source>
            <translation>Nodo &amp;verdadero</translation>
        </message>
        <message>
            <source>Aspect &amp;Orbs...</source>
            <translation>&amp;Orbes de los aspectos...</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>&amp;Ventana</translation>
        </message>
        <message>
            <source>&amp;Report</source>
            <translation>&amp;Informe</translation>
        </message>
        <message>
            <source>Chart &amp;Wheel</source>
            <translation>&amp;Rueda de la carta</translation>
        </message>
        <message>
            <source>&amp;Aspects</source>
            <translation>&amp;Aspectos</translation>
        </message>
        <message>
            <source>&amp;Houses</source>
            <translation>&amp;Casas</translation>
        </message>
        <message>
            <source>Re&amp;lationship</source>
            <translation>Re&amp;lación</translation>
        </message>
        <message>
            <source>&amp;Scores</source>
            <translation>&amp;Puntuaciones</translation>
        </message>
        <message>
            <source>&amp;Online Help</source>
            <translation>Ayuda en &amp;línea</translation>
        </message>
        <message>
            <source>&amp;Visit Us Online</source>
            <translation>&amp;Visítenos en línea</translation>
        </message>
        <message>
            <source>House &amp;System</source>
            <translation>&amp;Sistema de casas</translation>
        </message>
        <message>
            <source>Houses &amp;of:</source>
            <translation>Casas &amp;de:</translation>
        </message>
    </context>
    <context>
        <name>Months</name>
        <message>
            <source>January</source>
            <translation>enero</translation>
        </message>
        <message>
            <source>February</source>
            <translation>febrero</translation>
        </message>
        <message>
            <source>March</source>
            <translation>marzo</translation>
        </message>
        <message>
            <source>April</source>
            <translation>abril</translation>
        </message>
        <message>
            <source>May</source>
            <translation>mayo</translation>
        </message>
        <message>
            <source>June</source>
            <translation>junio</translation>
        </message>
        <message>
            <source>July</source>
            <translation>julio</translation>
        </message>
        <message>
            <source>August</source>
            <translation>agosto</translation>
        </message>
        <message>
            <source>September</source>
            <translation>septiembre</translation>
        </message>
        <message>
            <source>October</source>
            <translation>octubre</translation>
        </message>
        <message>
            <source>November</source>
            <translation>noviembre</translation>
        </message>
        <message>
            <source>December</source>
            <translation>diciembre</translation>
        </message>
    </context>
    <context>
        <name>PeopleBook</name>
        <message>
            <source>The book of people cannot be written: %1</source>
            <translation>No se puede escribir en la libreta de personas: %1</translation>
        </message>
        <message>
            <source>The book of people cannot be used: %1</source>
            <translation>No se puede usar la libreta de personas: %1</translation>
        </message>
        <message>
            <source>The book of people: %1</source>
            <translation>La libreta de personas: %1</translation>
        </message>
    </context>
    <context>
        <name>PersonButtons</name>
        <message>
            <source>The person cannot be saved: %1: %2</source>
            <translation>No se puede guardar a la persona: %1: %2</translation>
        </message>
        <message>
            <source>%1 was not saved: another window or program changed or removed the person just now. Save again to store the entries.</source>
            <translation>%1 no se guardó: otra ventana u otro programa acaba de cambiar o quitar a la persona. Guarde de nuevo para conservar los datos.</translation>
        </message>
        <message>
            <source>%1 was added to the book of people.</source>
            <translation>%1 se añadió a la libreta de personas.</translation>
        </message>
        <message>
            <source>%1 was saved in the book of people.</source>
            <translation>%1 se guardó en la libreta de personas.</translation>
        </message>
    </context>
    <context>
        <name>PlaceLookup</name>
        <message>
            <source>Did you mean %1?</source>
            <translation>¿Quiso decir %1?</translation>
        </message>
        <message>
            <source>Did you mean %1 or %2?</source>
            <translation>¿Quiso decir %1 o %2?</translation>
        </message>
        <message>
            <source>Did you mean %1, %2 or %3?</source>
            <translation>¿Quiso decir %1, %2 o %3?</translation>
        </message>
        <message>
            <source>Did you mean %1, %2, %3 or %4?</source>
            <translation>¿Quiso decir %1, %2, %3 o %4?</translation>
        </message>
        <message>
            <source>Did you mean %1, %2, %3, %4 or %5?</source>
            <translation>¿Quiso decir %1, %2, %3, %4 o %5?</translation>
        </message>
        <message>
            <source>No place is named %1 or has a name beginning with it.</source>
            <translation>Ningún lugar se llama %1 ni tiene un nombre que empiece así.</translation>
        </message>
        <message>
            <source>Type the name of the city.</source>
            <translation>Escriba el nombre de la ciudad.</translation>
        </message>
        <message>
            <source>No country named %1.</source>
            <translation>Ningún país llamado %1.</translation>
        </message>
        <message>
            <source>No %1 in the state %2: the state is left out.</source>
            <translation>Ningún %1 en el estado %2: se omite el estado.</translation>
        </message>
        <message>
            <source>No country named %1: the country is left out.</source>
            <translation>Ningún país llamado %1: se omite el país.</translation>
        </message>
        <message>
            <source>No %1 in the country %2: the country is left out.</source>
            <translation>Ningún %1 en el país %2: se omite el país.</translation>
        </message>
        <message>
            <source>No country named %1, and no %2 in the state %3: both are left out.</source>
            <translation>Ningún país llamado %1 y ningún %2 en el estado %3: se omiten ambos.</translation>
        </message>
        <message>
            <source>No %1 with the state %2 or the country %3: both are left out.</source>
            <translation>Ningún %1 con el estado %2 o el país %3: se omiten ambos.</translation>
        </message>
        <message numerus="yes">
            <source>The first %n places found; type more of the name to narrow them.</source>
            <translation>
                <numerusform>El primer lugar encontrado; escriba más del nombre para acotar.</numerusform>
                <numerusform>Los primeros %n lugares encontrados; escriba más del nombre para acotar.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n places found.</source>
            <translation>
                <numerusform>%n lugar encontrado.</numerusform>
                <numerusform>%n lugares encontrados.</numerusform>
            </translation>
        </message>
        <message>
            <source>Offsets at the birth date and time on the form: %1.</source>
            <translation>Desfases en la fecha y hora de nacimiento del formulario: %1.</translation>
        </message>
        <message>
            <source>The birth date is still the form's start value, so the offsets shown are for %1; after Fill In the time zone follows the birth date when it is set.</source>
            <translation>La fecha de nacimiento es aún el valor inicial del formulario, así que los desfases mostrados son para %1; tras «Rellenar» la zona horaria sigue a la fecha de nacimiento cuando se fije.</translation>
        </message>
        <message>
            <source>The birth date on the form is not on the calendar, so no time zone is suggested: Fill In sets the latitude and longitude only.</source>
            <translation>La fecha de nacimiento del formulario no existe en el calendario, así que no se sugiere ninguna zona horaria: «Rellenar» solo pone la latitud y la longitud.</translation>
        </message>
        <message>
            <source>The time-zone database has no zone %1, so no time zone is suggested: Fill In sets the latitude and longitude only.</source>
            <translation>La base de zonas horarias no tiene la zona %1, así que no se sugiere ninguna zona horaria: «Rellenar» solo pone la latitud y la longitud.</translation>
        </message>
        <message>
            <source>Fill In sets the time zone %1 and checks Daylight Saving Time.</source>
            <translation>«Rellenar» pone la zona horaria %1 y marca Horario de verano.</translation>
        </message>
        <message>
            <source>Fill In sets the time zone %1 and clears Daylight Saving Time.</source>
            <translation>«Rellenar» pone la zona horaria %1 y desmarca Horario de verano.</translation>
        </message>
        <message>
            <source>No time zone of the list gives UTC%1: Fill In sets the latitude and longitude only and leaves the time zone and Daylight Saving Time as they are.</source>
            <translation>Ninguna zona horaria de la lista da UTC%1: «Rellenar» solo pone la latitud y la longitud y deja la zona horaria y Horario de verano como están.</translation>
        </message>
        <message>
            <source>The birth time %1 never showed on the place's clocks, which were put forward over it; the offset is the one in force before the change.</source>
            <translation>La hora de nacimiento %1 nunca apareció en los relojes del lugar, que se adelantaron sobre ella; el desfase es el vigente antes del cambio.</translation>
        </message>
        <message>
            <source>The birth time %1 showed twice on the place's clocks, which were put back over it; the offset is that of the first time.</source>
            <translation>La hora de nacimiento %1 apareció dos veces en los relojes del lugar, que se atrasaron sobre ella; el desfase es el de la primera vez.</translation>
        </message>
    </context>
    <context>
        <name>Points</name>
        <message>
            <source>Sun</source>
            <translation>Sol</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>Luna</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>Mercurio</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>Venus</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>Marte</translation>
        </message>
        <message>
            <source>Jupiter</source>
            <translation>Júpiter</translation>
        </message>
        <message>
            <source>Saturn</source>
            <translation>Saturno</translation>
        </message>
        <message>
            <source>Uranus</source>
            <translation>Urano</translation>
        </message>
        <message>
            <source>Neptune</source>
            <translation>Neptuno</translation>
        </message>
        <message>
            <source>Pluto</source>
            <translation>Plutón</translation>
        </message>
        <message>
            <source>North Node</source>
            <translation>Nodo Norte</translation>
        </message>
        <message>
            <source>South Node</source>
            <translation>Nodo Sur</translation>
        </message>
        <message>
            <source>Ascendant</source>
            <translation>Ascendente</translation>
        </message>
        <message>
            <source>Midheaven</source>
            <translation>Medio cielo</translation>
        </message>
    </context>
    <context>
        <name>Positions</name>
        <message>
            <source>Sun to Pluto on the equinox of J2000; true node</source>
            <translation>Del Sol a Plutón sobre el equinoccio J2000; nodo verdadero</translation>
        </message>
        <message>
            <source>Sun to Pluto on the equinox of J2000</source>
            <translation>Del Sol a Plutón sobre el equinoccio J2000</translation>
        </message>
        <message>
            <source>Positions of date, true to the sky; true node; scores use these positions</source>
            <translation>Posiciones de la fecha, fieles al cielo; nodo verdadero; las puntuaciones usan estas posiciones</translation>
        </message>
        <message>
            <source>Positions of date, true to the sky; scores use these positions</source>
            <translation>Posiciones de la fecha, fieles al cielo; las puntuaciones usan estas posiciones</translation>
        </message>
    </context>
    <context>
        <name>ReadingBox</name>
        <message>
            <source>No printer is available.</source>
            <translation>No hay ninguna impresora disponible.</translation>
        </message>
        <message>
            <source>Rich Text Format | *.kvz</source>
            <translation>Rich Text Format | *.kvz</translation>
        </message>
        <message>
            <source>Save Your Numerology Compatibility Result ....</source>
            <translation>Guardar su resultado de compatibilidad numerológica ....</translation>
        </message>
    </context>
    <context>
        <name>Relationship</name>
        <message>
            <source>Composite: midpoints of both charts, houses by midpoints of %1 cusps</source>
            <translation>Compuesta: puntos medios de ambas cartas, casas por los puntos medios de las cúspides %1</translation>
        </message>
        <message>
            <source>Davison: %1 UT at %2, local mean time %3</source>
            <translation>Davison: %1 UT en %2, hora media local %3</translation>
        </message>
    </context>
    <context>
        <name>RelationshipView</name>
        <message>
            <source>Composite</source>
            <translation>Compuesta</translation>
        </message>
        <message>
            <source>Davison</source>
            <translation>Davison</translation>
        </message>
        <message>
            <source>Point</source>
            <translation>Punto</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>Posición</translation>
        </message>
        <message>
            <source>House</source>
            <translation>Casa</translation>
        </message>
        <message>
            <source>Cusp</source>
            <translation>Cúspide</translation>
        </message>
        <message>
            <source>Aspects within the chart:</source>
            <translation>Aspectos dentro de la carta:</translation>
        </message>
        <message>
            <source>None within the orbs.</source>
            <translation>Ninguno dentro de los orbes.</translation>
        </message>
        <message>
            <source>Cusp %1</source>
            <translation>Cúspide %1</translation>
        </message>
        <message>
            <source>&amp;Chart:</source>
            <translation>&amp;Carta:</translation>
        </message>
    </context>
    <context>
        <name>ReportWindow</name>
        <message>
            <source>&amp;Print</source>
            <translation>&amp;Imprimir</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Guardar</translation>
        </message>
        <message>
            <source>&amp;Back</source>
            <translation>&amp;Volver</translation>
        </message>
        <message>
            <source>&amp;Exit</source>
            <translation>&amp;Salir</translation>
        </message>
        <message>
            <source>Reading</source>
            <translation>Lectura</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Archivo</translation>
        </message>
        <message>
            <source>Export as &amp;PDF...</source>
            <translation>Exportar como &amp;PDF...</translation>
        </message>
    </context>
    <context>
        <name>ScoresView</name>
        <message>
            <source>The four figures</source>
            <translation>Las cuatro cifras</translation>
        </message>
        <message>
            <source>A second score</source>
            <translation>Una segunda puntuación</translation>
        </message>
    </context>
    <context>
        <name>Signs</name>
        <message>
            <source>Aries</source>
            <translation>Aries</translation>
        </message>
        <message>
            <source>Taurus</source>
            <translation>Tauro</translation>
        </message>
        <message>
            <source>Gemini</source>
            <translation>Géminis</translation>
        </message>
        <message>
            <source>Cancer</source>
            <translation>Cáncer</translation>
        </message>
        <message>
            <source>Leo</source>
            <translation>Leo</translation>
        </message>
        <message>
            <source>Virgo</source>
            <translation>Virgo</translation>
        </message>
        <message>
            <source>Libra</source>
            <translation>Libra</translation>
        </message>
        <message>
            <source>Scorpio</source>
            <translation>Escorpio</translation>
        </message>
        <message>
            <source>Sagittarius</source>
            <translation>Sagitario</translation>
        </message>
        <message>
            <source>Capricorn</source>
            <translation>Capricornio</translation>
        </message>
        <message>
            <source>Aquarius</source>
            <translation>Acuario</translation>
        </message>
        <message>
            <source>Pisces</source>
            <translation>Piscis</translation>
        </message>
    </context>
    <context>
        <name>SpokenNames</name>
        <message>
            <source>Your name</source>
            <translation>Su nombre</translation>
        </message>
        <message>
            <source>Your birth month</source>
            <translation>Su mes de nacimiento</translation>
        </message>
        <message>
            <source>Your birth day</source>
            <translation>Su día de nacimiento</translation>
        </message>
        <message>
            <source>Your birth year</source>
            <translation>Su año de nacimiento</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Hombre</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Mujer</translation>
        </message>
        <message>
            <source>%1 first name</source>
            <translation>%1: nombre de pila</translation>
        </message>
        <message>
            <source>%1 middle name</source>
            <translation>%1: segundo nombre</translation>
        </message>
        <message>
            <source>%1 last name</source>
            <translation>%1: apellido</translation>
        </message>
        <message>
            <source>%1 birth month</source>
            <translation>%1: mes de nacimiento</translation>
        </message>
        <message>
            <source>%1 birth day</source>
            <translation>%1: día de nacimiento</translation>
        </message>
        <message>
            <source>%1 birth year</source>
            <translation>%1: año de nacimiento</translation>
        </message>
        <message>
            <source>Choose Person for %1...</source>
            <translation>Elegir persona para %1...</translation>
        </message>
        <message>
            <source>Save Person for %1</source>
            <translation>Guardar persona para %1</translation>
        </message>
        <message>
            <source>Marriage day</source>
            <translation>Día de la boda</translation>
        </message>
        <message>
            <source>Marriage month</source>
            <translation>Mes de la boda</translation>
        </message>
        <message>
            <source>Marriage year</source>
            <translation>Año de la boda</translation>
        </message>
        <message>
            <source>Exit the program</source>
            <translation>Salir del programa</translation>
        </message>
        <message>
            <source>%1 name</source>
            <translation>%1: nombre</translation>
        </message>
        <message>
            <source>%1 birth hour</source>
            <translation>%1: hora de nacimiento</translation>
        </message>
        <message>
            <source>%1 birth minute</source>
            <translation>%1: minuto de nacimiento</translation>
        </message>
        <message>
            <source>%1 time zone</source>
            <translation>%1: zona horaria</translation>
        </message>
        <message>
            <source>%1 daylight saving time</source>
            <translation>%1: horario de verano</translation>
        </message>
        <message>
            <source>%1 latitude degrees</source>
            <translation>%1: grados de latitud</translation>
        </message>
        <message>
            <source>%1 latitude minutes</source>
            <translation>%1: minutos de latitud</translation>
        </message>
        <message>
            <source>%1 latitude %2</source>
            <translation>%1: latitud %2</translation>
        </message>
        <message>
            <source>%1 longitude degrees</source>
            <translation>%1: grados de longitud</translation>
        </message>
        <message>
            <source>%1 longitude minutes</source>
            <translation>%1: minutos de longitud</translation>
        </message>
        <message>
            <source>%1 longitude %2</source>
            <translation>%1: longitud %2</translation>
        </message>
        <message>
            <source>Find the male latitude and longitude</source>
            <translation>Buscar la latitud y la longitud del hombre</translation>
        </message>
        <message>
            <source>Find the female latitude and longitude</source>
            <translation>Buscar la latitud y la longitud de la mujer</translation>
        </message>
        <message>
            <source>%1 city</source>
            <translation>%1: ciudad</translation>
        </message>
        <message>
            <source>%1 state</source>
            <translation>%1: estado</translation>
        </message>
        <message>
            <source>%1 country</source>
            <translation>%1: país</translation>
        </message>
        <message>
            <source>City</source>
            <translation>Ciudad</translation>
        </message>
        <message>
            <source>State</source>
            <translation>Estado</translation>
        </message>
        <message>
            <source>Country</source>
            <translation>País</translation>
        </message>
        <message>
            <source>Places</source>
            <translation>Lugares</translation>
        </message>
        <message>
            <source>Chart pages</source>
            <translation>Páginas de la carta</translation>
        </message>
        <message>
            <source>Houses of</source>
            <translation>Casas de</translation>
        </message>
        <message>
            <source>Astro report</source>
            <translation>Informe astrológico</translation>
        </message>
        <message>
            <source>People</source>
            <translation>Personas</translation>
        </message>
        <message>
            <source>Usual frame</source>
            <translation>Marco habitual</translation>
        </message>
        <message>
            <source>Time zone</source>
            <translation>Zona horaria</translation>
        </message>
        <message>
            <source>%1 date of birth</source>
            <translation>%1: fecha de nacimiento</translation>
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
            <translation>La aplicación ya se está ejecutando</translation>
        </message>
    </context>
    <context>
        <name>Web</name>
        <message>
            <source>There maybe an update to this software available<byte value="xd" />Do you want to check for an update?</source>
            <translation>Puede que haya una actualización de este programa<byte value="xd" />¿Desea buscar una actualización?</translation>
        </message>
    </context>
    <context>
        <name>WheelFiles</name>
        <message>
            <source>Save Chart Picture</source>
            <translation>Guardar imagen de la carta</translation>
        </message>
        <message>
            <source>Aspects between the charts: his points down, hers across</source>
            <translation>Aspectos entre las cartas: los puntos de él en filas, los de ella en columnas</translation>
        </message>
        <message>
            <source>Tightest aspects:</source>
            <translation>Aspectos más cerrados:</translation>
        </message>
        <message>
            <source>Export as PDF</source>
            <translation>Exportar como PDF</translation>
        </message>
    </context>
    <context>
        <name>WheelWords</name>
        <message>
            <source>No readable positions.</source>
            <translation>Ninguna posición legible.</translation>
        </message>
        <message>
            <source>%1 at %2 %3.</source>
            <translation>%1 a %2 %3.</translation>
        </message>
        <message>
            <source>Chart wheel</source>
            <translation>Rueda de la carta</translation>
        </message>
        <message>
            <source>%1 chart wheel</source>
            <translation>Rueda de la carta %1</translation>
        </message>
        <message>
            <source>Chart wheel of two charts: the male chart on the inner ring, the female chart on the outer ring.</source>
            <translation>Rueda de dos cartas: la carta del hombre en el anillo interior y la de la mujer en el exterior.</translation>
        </message>
        <message>
            <source>Male chart:</source>
            <translation>Carta del hombre:</translation>
        </message>
        <message>
            <source>Female chart:</source>
            <translation>Carta de la mujer:</translation>
        </message>
        <message>
            <source>%1 chart:</source>
            <translation>Carta %1:</translation>
        </message>
        <message>
            <source>Cusps in %1 houses.</source>
            <translation>Cúspides en casas %1.</translation>
        </message>
        <message>
            <source>Cusps of the male chart in %1 houses.</source>
            <translation>Cúspides de la carta del hombre en casas %1.</translation>
        </message>
        <message>
            <source>Cusps of the female chart in %1 houses.</source>
            <translation>Cúspides de la carta de la mujer en casas %1.</translation>
        </message>
        <message numerus="yes">
            <source>%n aspects between the charts.</source>
            <translation>
                <numerusform>%n aspecto entre las cartas.</numerusform>
                <numerusform>%n aspectos entre las cartas.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n aspects within the chart.</source>
            <translation>
                <numerusform>%n aspecto dentro de la carta.</numerusform>
                <numerusform>%n aspectos dentro de la carta.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>astro::frmMatch</name>
        <message>
            <source>Name:</source>
            <translation>Nombre:</translation>
        </message>
        <message>
            <source>Date of Birth:</source>
            <translation>Fecha de nacimiento:</translation>
        </message>
        <message>
            <source>Time Of Birth:</source>
            <translation>Hora de nacimiento:</translation>
        </message>
        <message>
            <source>Daylight Saving Time</source>
            <translation>Horario de verano</translation>
        </message>
        <message>
            <source>Time Zone:</source>
            <translation>Zona horaria:</translation>
        </message>
        <message>
            <source>DEG/MIN</source>
            <translation>GRA/MIN</translation>
        </message>
        <message>
            <source>Click here to find Latitude &amp;&amp; Longitude</source>
            <translation>Pulse aquí para buscar latitud &amp;&amp; longitud</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>Ciudad:</translation>
        </message>
        <message>
            <source>State:</source>
            <translation>Estado:</translation>
        </message>
        <message>
            <source>Country:</source>
            <translation>País:</translation>
        </message>
        <message>
            <source>North</source>
            <translation>Norte</translation>
        </message>
        <message>
            <source>South</source>
            <translation>Sur</translation>
        </message>
        <message>
            <source>Latitude:</source>
            <translation>Latitud:</translation>
        </message>
        <message>
            <source>East</source>
            <translation>Este</translation>
        </message>
        <message>
            <source>West</source>
            <translation>Oeste</translation>
        </message>
        <message>
            <source>Longitude:</source>
            <translation>Longitud:</translation>
        </message>
        <message>
            <source>Choose Person...</source>
            <translation>Elegir persona...</translation>
        </message>
        <message>
            <source>Save Person</source>
            <translation>Guardar persona</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Hombre</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Mujer</translation>
        </message>
        <message>
            <source>QM Orvanel Software</source>
            <translation>QM Orvanel Software</translation>
        </message>
        <message>
            <source>Enter the City, State and Country, then press the button above them to find the Latitude and Longitude of the place of birth.</source>
            <translation>Escriba la ciudad, el estado y el país y pulse el botón de arriba para buscar la latitud y la longitud del lugar de nacimiento.</translation>
        </message>
        <message>
            <source>Analyze Compatibility</source>
            <translation>Analizar la compatibilidad</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Salir</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Archivo</translation>
        </message>
        <message>
            <source>&amp;Analyze Compatibility</source>
            <translation>&amp;Analizar la compatibilidad</translation>
        </message>
        <message>
            <source>&amp;People...</source>
            <translation>&amp;Personas...</translation>
        </message>
        <message>
            <source>&amp;Exit</source>
            <translation>&amp;Salir</translation>
        </message>
        <message>
            <source>&amp;Online Help</source>
            <translation>Ayuda en &amp;línea</translation>
        </message>
        <message>
            <source>&amp;Visit Us Online</source>
            <translation>&amp;Visítenos en línea</translation>
        </message>
    </context>
    <context>
        <name>astro::frmPlaceLookup</name>
        <message>
            <source>Find the Place of Birth</source>
            <translation>Buscar el lugar de nacimiento</translation>
        </message>
        <message>
            <source>Find the Place of Birth: %1</source>
            <translation>Buscar el lugar de nacimiento: %1</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Hombre</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Mujer</translation>
        </message>
        <message>
            <source>Places: GeoNames (geonames.org), CC BY 4.0</source>
            <translation>Lugares: GeoNames (geonames.org), CC BY 4.0</translation>
        </message>
        <message>
            <source>Search the &amp;Web</source>
            <translation>Buscar en la &amp;Web</translation>
        </message>
        <message>
            <source>&amp;Fill In</source>
            <translation>&amp;Rellenar</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Cerrar</translation>
        </message>
        <message>
            <source>Search the Web looks the place up on the web instead.</source>
            <translation>«Buscar en la Web» busca el lugar en la Web.</translation>
        </message>
        <message>
            <source>No web browser could be started to search for the place.</source>
            <translation>No se pudo abrir ningún navegador web para buscar el lugar.</translation>
        </message>
        <message numerus="yes">
            <source>Places, %n found</source>
            <translation>
                <numerusform>Lugares, %n encontrado</numerusform>
                <numerusform>Lugares, %n encontrados</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>frmAbout</name>
        <message>
            <source>&lt;a href="home"&gt;Visit our home page&lt;/a&gt;</source>
            <translation>&lt;a href="home"&gt;Visite nuestra página de inicio&lt;/a&gt;</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>QM Zentara Software Software is a compatibility report generator based on astrology as well as numerology. The astrology match software is based on the planetary positions at the time of birth while the numerology match software is based on Pythagorean system of numerology and the effect of cosmic vibrations on a person.</source>
            <translation>QM Zentara Software genera informes de compatibilidad basados en la astrología y la numerología. La comparación astrológica se basa en las posiciones de los planetas en el momento del nacimiento y la numerológica en el sistema pitagórico de numerología y el efecto de las vibraciones cósmicas en una persona.</translation>
        </message>
    </context>
    <context>
        <name>frmBestMatches</name>
        <message>
            <source>Best Matches for %1</source>
            <translation>Mejores parejas para %1</translation>
        </message>
        <message>
            <source>Best matches for %1 (as %2), by Percentage, then P * H:</source>
            <translation>Mejores parejas para %1 (como %2), por porcentaje y luego P * H:</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Hombre</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Mujer</translation>
        </message>
        <message>
            <source>Partner</source>
            <translation>Pareja</translation>
        </message>
        <message>
            <source>Percentage</source>
            <translation>Porcentaje</translation>
        </message>
        <message>
            <source>P * H</source>
            <translation>P * H</translation>
        </message>
        <message>
            <source>Power</source>
            <translation>Fuerza</translation>
        </message>
        <message>
            <source>Harmony</source>
            <translation>Armonía</translation>
        </message>
        <message>
            <source>Comment</source>
            <translation>Comentario</translation>
        </message>
        <message>
            <source>Not ranked</source>
            <translation>Sin clasificar</translation>
        </message>
        <message>
            <source>Why</source>
            <translation>Por qué</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
    </context>
    <context>
        <name>frmOrbs</name>
        <message>
            <source>Aspect Orbs</source>
            <translation>Orbes de los aspectos</translation>
        </message>
        <message>
            <source>A pair of points takes the larger orb of its two.</source>
            <translation>Un par de puntos toma el mayor de sus dos orbes.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Orb when the &amp;Sun or Moon takes part:</source>
            <translation>Orbe cuando participan el &amp;Sol o la Luna:</translation>
        </message>
        <message>
            <source>Orb of the other &amp;planets:</source>
            <translation>Orbe de los demás &amp;planetas:</translation>
        </message>
        <message>
            <source>Orb of the &amp;node, Asc and MC:</source>
            <translation>Orbe del &amp;nodo, el Asc y el MC:</translation>
        </message>
    </context>
    <context>
        <name>frmPeople</name>
        <message>
            <source>CSV Files (*.csv)|*.csv</source>
            <translation>Archivos CSV (*.csv)|*.csv</translation>
        </message>
        <message>
            <source>Choose Person</source>
            <translation>Elegir persona</translation>
        </message>
        <message>
            <source>People</source>
            <translation>Personas</translation>
        </message>
        <message>
            <source>Type to search; Up and Down choose a person, Enter takes them.</source>
            <translation>Escriba para buscar; Arriba y Abajo eligen a una persona, Intro la toma.</translation>
        </message>
        <message>
            <source>Type to search; Up and Down move, Enter edits, Delete deletes; select two people (Ctrl+click) for a match.</source>
            <translation>Escriba para buscar; Arriba y Abajo se mueven, Intro edita, Supr borra; elija a dos personas (Ctrl+clic) para una comparación.</translation>
        </message>
        <message>
            <source>&amp;Search:</source>
            <translation>&amp;Buscar:</translation>
        </message>
        <message>
            <source>any name, place or note</source>
            <translation>cualquier nombre, lugar o nota</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>Born</source>
            <translation>Nacimiento</translation>
        </message>
        <message>
            <source>Place</source>
            <translation>Lugar</translation>
        </message>
        <message>
            <source>&amp;Choose</source>
            <translation>&amp;Elegir</translation>
        </message>
        <message>
            <source>&amp;Add...</source>
            <translation>&amp;Añadir...</translation>
        </message>
        <message>
            <source>&amp;Edit...</source>
            <translation>&amp;Editar...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Borrar</translation>
        </message>
        <message>
            <source>&amp;Import...</source>
            <translation>&amp;Importar...</translation>
        </message>
        <message>
            <source>E&amp;xport...</source>
            <translation>E&amp;xportar...</translation>
        </message>
        <message>
            <source>&amp;Numerology Match</source>
            <translation>Comparación &amp;numerológica</translation>
        </message>
        <message>
            <source>Astro &amp;Match</source>
            <translation>Comparación &amp;astrológica</translation>
        </message>
        <message>
            <source>&amp;Best Matches for...</source>
            <translation>&amp;Mejores parejas para...</translation>
        </message>
        <message>
            <source>Couple &amp;Report...</source>
            <translation>&amp;Informe de pareja...</translation>
        </message>
        <message numerus="yes">
            <source>%1 of %n people</source>
            <translation>
                <numerusform>%1 de %n persona</numerusform>
                <numerusform>%1 de %n personas</numerusform>
            </translation>
        </message>
        <message>
            <source>Delete %1 from the book of people?</source>
            <translation>¿Borrar a %1 de la libreta de personas?</translation>
        </message>
        <message>
            <source>Delete these %1 people from the book of people: %2?</source>
            <translation>¿Borrar a estas %1 personas de la libreta de personas: %2?</translation>
        </message>
        <message>
            <source>No one was deleted: %1 changed in the book of people, or left it, since this list showed them. The list now shows the book as it is; choose again.</source>
            <translation>No se borró a nadie: %1 cambió en la libreta de personas, o salió de ella, desde que esta lista lo mostró. La lista muestra ahora la libreta tal como está; elija de nuevo.</translation>
        </message>
        <message>
            <source>%1 cannot be read.</source>
            <translation>No se puede leer %1.</translation>
        </message>
        <message>
            <source>No one was added: %1.</source>
            <translation>No se añadió a nadie: %1.</translation>
        </message>
        <message numerus="yes">
            <source>%n people added.</source>
            <translation>
                <numerusform>%n persona añadida.</numerusform>
                <numerusform>%n personas añadidas.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source> %n rows were left out:</source>
            <translation>
                <numerusform> Se omitió %n fila:</numerusform>
                <numerusform> Se omitieron %n filas:</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>
... and %n more.</source>
            <translation>
                <numerusform>
... y %n más.</numerusform>
                <numerusform>
... y %n más.</numerusform>
            </translation>
        </message>
        <message>
            <source>Select two people for a match (Ctrl+click the second).</source>
            <translation>Elija a dos personas para una comparación (Ctrl+clic en la segunda).</translation>
        </message>
        <message>
            <source>Select the person whose best matches you want.</source>
            <translation>Elija a la persona cuyas mejores parejas quiere ver.</translation>
        </message>
    </context>
    <context>
        <name>frmPerson</name>
        <message>
            <source>First Name:</source>
            <translation>Nombre:</translation>
        </message>
        <message>
            <source>Middle Name:</source>
            <translation>Segundo nombre:</translation>
        </message>
        <message>
            <source>Last Name:</source>
            <translation>Apellido:</translation>
        </message>
        <message>
            <source>Name on the Astro Form:</source>
            <translation>Nombre en el formulario astrológico:</translation>
        </message>
        <message>
            <source>first and last name when empty</source>
            <translation>nombre y apellido si está vacío</translation>
        </message>
        <message>
            <source>Date of Birth:</source>
            <translation>Fecha de nacimiento:</translation>
        </message>
        <message>
            <source>YYYY-MM-DD</source>
            <translation>AAAA-MM-DD</translation>
        </message>
        <message>
            <source>Time of Birth:</source>
            <translation>Hora de nacimiento:</translation>
        </message>
        <message>
            <source>HH:MM, empty when unknown</source>
            <translation>HH:MM, vacío si se desconoce</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>Ciudad:</translation>
        </message>
        <message>
            <source>State:</source>
            <translation>Estado:</translation>
        </message>
        <message>
            <source>Country:</source>
            <translation>País:</translation>
        </message>
        <message>
            <source>Latitude:</source>
            <translation>Latitud:</translation>
        </message>
        <message>
            <source>such as 41N52</source>
            <translation>por ejemplo 41N52</translation>
        </message>
        <message>
            <source>Longitude:</source>
            <translation>Longitud:</translation>
        </message>
        <message>
            <source>such as 87W38</source>
            <translation>por ejemplo 87W38</translation>
        </message>
        <message>
            <source>IANA Time Zone:</source>
            <translation>Zona horaria IANA:</translation>
        </message>
        <message>
            <source>from the atlas</source>
            <translation>del atlas</translation>
        </message>
        <message>
            <source>Usual Frame:</source>
            <translation>Marco habitual:</translation>
        </message>
        <message>
            <source>Time Zone:</source>
            <translation>Zona horaria:</translation>
        </message>
        <message>
            <source>Daylight Saving Time:</source>
            <translation>Horario de verano:</translation>
        </message>
        <message>
            <source>Note:</source>
            <translation>Nota:</translation>
        </message>
        <message>
            <source>Add Person</source>
            <translation>Añadir persona</translation>
        </message>
        <message>
            <source>Edit Person</source>
            <translation>Editar persona</translation>
        </message>
        <message>
            <source>&amp;Find Place...</source>
            <translation>&amp;Buscar lugar...</translation>
        </message>
        <message>
            <source>Not said</source>
            <translation>Sin indicar</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Hombre</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Mujer</translation>
        </message>
        <message>
            <source>(unknown)</source>
            <translation>(desconocida)</translation>
        </message>
        <message>
            <source>Daylight Saving Time</source>
            <translation>Horario de verano</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Guardar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Save as &amp;New Person</source>
            <translation>Guardar como persona &amp;nueva</translation>
        </message>
        <message>
            <source>%1 was removed from the book of people by another window or program since this window opened. Save what this window holds as a new person?</source>
            <translation>Otra ventana u otro programa quitó a %1 de la libreta de personas desde que se abrió esta ventana. ¿Guardar lo que contiene esta ventana como persona nueva?</translation>
        </message>
        <message>
            <source>%1 was changed in the book of people by another window or program since this window opened, so saving here would undo that change. Reload the person as the book now has them (what you typed here is then lost), or save what this window holds as a new person?</source>
            <translation>Otra ventana u otro programa cambió a %1 en la libreta de personas desde que se abrió esta ventana; guardar aquí desharía ese cambio. ¿Volver a cargar a la persona como la tiene ahora la libreta (lo que escribió aquí se pierde) o guardar lo que contiene esta ventana como persona nueva?</translation>
        </message>
        <message>
            <source>&amp;Reload</source>
            <translation>&amp;Recargar</translation>
        </message>
    </context>
    <context>
        <name>frmReport</name>
        <message>
            <source>The result generated by QM Free Orvanel Software for the input set of data is displayed as below:</source>
            <translation>El resultado generado por QM Free Orvanel Software para los datos introducidos se muestra a continuación:</translation>
        </message>
        <message>
            <source>The power of a planet depends on which house it occupies and other details. The power of each planet, sign or house is also associated with harmony or discord.</source>
            <translation>La fuerza de un planeta depende de la casa que ocupa y de otros detalles. La fuerza de cada planeta, signo o casa también se asocia con la armonía o la discordia.</translation>
        </message>
        <message>
            <source>In simple terms, Power represents the strength of bonding between two people and Harmony represents the level of comfort you share with the other person. It is believed by research that the product of the two gives the best result regarding relationship between two people.</source>
            <translation>En pocas palabras, la fuerza representa la solidez del vínculo entre dos personas y la armonía el grado de comodidad que comparte con la otra persona. Según la investigación, el producto de ambas da el mejor resultado sobre la relación entre dos personas.</translation>
        </message>
        <message>
            <source>Thus, Power, Harmony and Power * Harmony are displayed in the report. Based on the average values calculated for a random group of people, the percentage level of compatibility is calculated and displayed.</source>
            <translation>Así, el informe muestra la fuerza, la armonía y fuerza * armonía. A partir de los valores medios calculados para un grupo de personas al azar, se calcula y se muestra el porcentaje de compatibilidad.</translation>
        </message>
        <message>
            <source>Sun</source>
            <translation>Sol</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>Luna</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>Mercurio</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>Venus</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>Marte</translation>
        </message>
        <message>
            <source>Jupiter</source>
            <translation>Júpiter</translation>
        </message>
        <message>
            <source>Saturn</source>
            <translation>Saturno</translation>
        </message>
        <message>
            <source>Uranus</source>
            <translation>Urano</translation>
        </message>
        <message>
            <source>Neptune</source>
            <translation>Neptuno</translation>
        </message>
        <message>
            <source>Pluto</source>
            <translation>Plutón</translation>
        </message>
        <message>
            <source>N Node</source>
            <translation>Nodo N</translation>
        </message>
        <message>
            <source>S Node</source>
            <translation>Nodo S</translation>
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
            <translation>Nombre:</translation>
        </message>
        <message>
            <source>Date of Birth:</source>
            <translation>Fecha de nacimiento:</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>Ciudad:</translation>
        </message>
        <message>
            <source>State:</source>
            <translation>Estado:</translation>
        </message>
        <message>
            <source>Country:</source>
            <translation>País:</translation>
        </message>
        <message>
            <source>QM Orvanel Software v2.0</source>
            <translation>QM Orvanel Software v2.0</translation>
        </message>
        <message>
            <source>Male:</source>
            <translation>Hombre:</translation>
        </message>
        <message>
            <source>Female:</source>
            <translation>Mujer:</translation>
        </message>
        <message>
            <source>Compatibility:</source>
            <translation>Compatibilidad:</translation>
        </message>
        <message>
            <source>Compatibility Report:</source>
            <translation>Informe de compatibilidad:</translation>
        </message>
        <message>
            <source>Power</source>
            <translation>Fuerza</translation>
        </message>
        <message>
            <source>Harmony</source>
            <translation>Armonía</translation>
        </message>
        <message>
            <source>P * H</source>
            <translation>P * H</translation>
        </message>
        <message>
            <source>Percentage</source>
            <translation>Porcentaje</translation>
        </message>
        <message>
            <source>Comment</source>
            <translation>Comentario</translation>
        </message>
        <message>
            <source>Natal Position Data:</source>
            <translation>Posiciones natales:</translation>
        </message>
    </context>
    <context>
        <name>numerology::frmMain</name>
        <message>
            <source>* First Name</source>
            <translation>* Nombre</translation>
        </message>
        <message>
            <source>Middle Name</source>
            <translation>Segundo nombre</translation>
        </message>
        <message>
            <source>* Last Name</source>
            <translation>* Apellido</translation>
        </message>
        <message>
            <source>Date of Birth</source>
            <translation>Fecha de nacimiento</translation>
        </message>
        <message>
            <source>Choose Person...</source>
            <translation>Elegir persona...</translation>
        </message>
        <message>
            <source>Save Person</source>
            <translation>Guardar persona</translation>
        </message>
        <message>
            <source>QM Zentara Software</source>
            <translation>QM Zentara Software</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Hombre</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Mujer</translation>
        </message>
        <message>
            <source>Marriage Date</source>
            <translation>Fecha de boda</translation>
        </message>
        <message>
            <source>LifePath Compatibility</source>
            <translation>Compatibilidad del camino de vida</translation>
        </message>
        <message>
            <source>Destiny Compatibility</source>
            <translation>Compatibilidad del destino</translation>
        </message>
        <message>
            <source>Comprehensive Reading</source>
            <translation>Lectura completa</translation>
        </message>
        <message>
            <source>&amp;Open Previously Saved Reading</source>
            <translation>&amp;Abrir una lectura guardada</translation>
        </message>
        <message>
            <source>&amp;Back</source>
            <translation>&amp;Volver</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Salir</translation>
        </message>
        <message>
            <source>Note: </source>
            <translation>Nota: </translation>
        </message>
        <message>
            <source>This program has been designed keeping in mind date settings according to MM/DD/YYYY format</source>
            <translation>Este programa espera las fechas en el formato MM/DD/AAAA</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Archivo</translation>
        </message>
        <message>
            <source>&amp;Comprehensive Reading</source>
            <translation>&amp;Lectura completa</translation>
        </message>
        <message>
            <source>&amp;LifePath Compatibility</source>
            <translation>Compatibilidad del &amp;camino de vida</translation>
        </message>
        <message>
            <source>&amp;Destiny Compatibility</source>
            <translation>Compatibilidad del &amp;destino</translation>
        </message>
        <message>
            <source>Extended &amp;Numbers</source>
            <translation>&amp;Números ampliados</translation>
        </message>
        <message>
            <source>&amp;People...</source>
            <translation>&amp;Personas...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Salir</translation>
        </message>
        <message>
            <source>QM Velmora (*.kvz)|*.kvz</source>
            <translation>QM Velmora (*.kvz)|*.kvz</translation>
        </message>
        <message>
            <source>Select the source file</source>
            <translation>Elegir el archivo de origen</translation>
        </message>
        <message>
            <source>Please Check The File.</source>
            <translation>Compruebe el archivo.</translation>
        </message>
        <message>
            <source>&amp;Online help</source>
            <translation>Ayuda en &amp;línea</translation>
        </message>
        <message>
            <source>&amp;Visit us Online</source>
            <translation>&amp;Visítenos en línea</translation>
        </message>
    </context>
    <context>
        <name>shell::frmAtFirst</name>
        <message>
            <source>This program has been designed keeping in mind date settings according to MM/DD/YYYY format</source>
            <translation>Este programa espera las fechas en el formato MM/DD/AAAA</translation>
        </message>
        <message>
            <source>Option</source>
            <translation>Opción</translation>
        </message>
        <message>
            <source>Astro Match Compatibility</source>
            <translation>Compatibilidad astrológica</translation>
        </message>
        <message>
            <source>Numerology Match Compatibility</source>
            <translation>Compatibilidad numerológica</translation>
        </message>
        <message>
            <source>&amp;Proceed</source>
            <translation>&amp;Continuar</translation>
        </message>
        <message>
            <source>P&amp;eople...</source>
            <translation>P&amp;ersonas...</translation>
        </message>
        <message>
            <source>Your Details Please</source>
            <translation>Sus datos, por favor</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>Birth Day</source>
            <translation>Fecha de nacimiento</translation>
        </message>
        <message>
            <source>Male</source>
            <translation>Hombre</translation>
        </message>
        <message>
            <source>Female</source>
            <translation>Mujer</translation>
        </message>
        <message>
            <source>Note: </source>
            <translation>Nota: </translation>
        </message>
        <message>
            <source>Please Select One Option</source>
            <translation>Elija una opción</translation>
        </message>
    </context>
</TS>
