<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
