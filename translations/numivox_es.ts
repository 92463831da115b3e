<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>App</name>
    <message>
        <source>&amp;Quit Numivox</source>
        <translation>&amp;Salir de Numivox</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Numivox, a four-function calculator that speaks its results and, as you choose,
its keys. With no options it opens its window. See numivox(1) for its keys and
menus.</source>
        <extracomment>Wrapped by hand at 80 columns, as the terminal shows it.</extracomment>
        <translation>Numivox, una calculadora de cuatro operaciones que dice en voz alta sus
resultados y, si usted lo elige, sus teclas. Sin opciones, abre su ventana.
Consulte numivox(1) para conocer sus teclas y menús.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado «%1».</translation>
    </message>
</context>
<context>
    <name>DialogVoice</name>
    <message>
        <source>space</source>
        <translation>espacio</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Sorry, this help topic could not be loaded.</source>
        <translation>Lo sentimos, no se ha podido cargar este tema de ayuda.</translation>
    </message>
</context>
<context>
    <name>MenuBar1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save Transcript…</source>
        <translation>&amp;Guardar registro…</translation>
    </message>
    <message>
        <source>&amp;Print Transcript…</source>
        <translation>&amp;Imprimir registro…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;About Numivox</source>
        <translation>&amp;Acerca de Numivox</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy &amp;Transcript</source>
        <translation>Copiar &amp;registro</translation>
    </message>
    <message>
        <source>Clear &amp;Work Area</source>
        <translation>Borrar área de &amp;trabajo</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Borrar todo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>Alto &amp;contraste</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>&amp;Habla</translation>
    </message>
    <message>
        <source>Say &amp;Display</source>
        <translation>Leer el v&amp;isor</translation>
    </message>
    <message>
        <source>Say &amp;Last Calculation</source>
        <translation>Leer el último &amp;cálculo</translation>
    </message>
    <message>
        <source>Speak &amp;Keys</source>
        <translation>&amp;Anunciar teclas</translation>
    </message>
    <message>
        <source>Read Di&amp;gits Singly</source>
        <translation>Leer &amp;dígito a dígito</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>Más &amp;rápido</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>Más &amp;lento</translation>
    </message>
    <message>
        <source>L&amp;ouder</source>
        <translation>Más &amp;fuerte</translation>
    </message>
    <message>
        <source>Sof&amp;ter</source>
        <translation>Más &amp;suave</translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <translation>&amp;Voz</translation>
    </message>
    <message>
        <source>&amp;Default Voice</source>
        <translation>&amp;Voz predeterminada</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Revisar</translation>
    </message>
    <message>
        <source>&amp;Say Calculation So Far</source>
        <translation>Leer el cálculo en &amp;curso</translation>
    </message>
    <message>
        <source>&amp;Previous Calculation</source>
        <translation>Cálculo &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Calculation</source>
        <translation>Cálculo &amp;siguiente</translation>
    </message>
    <message>
        <source>Use &amp;Result</source>
        <translation>&amp;Usar resultado</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Numivox &amp;Help</source>
        <translation>A&amp;yuda de Numivox</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Infinity</source>
        <translation>infinito</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>-%1</source>
        <extracomment>A negative number, %1 without its sign, as the synthesiser is given it to say</extracomment>
        <translation>negativo %1</translation>
    </message>
    <message>
        <source>%1e%2</source>
        <extracomment>A number in exponent form, as in 1.5e-07: %1 the digits before it, %2 the exponent</extracomment>
        <translation>%1 por diez elevado a %2</translation>
    </message>
    <message>
        <source>.</source>
        <extracomment>The decimal point of a number as the synthesiser is given it, &quot;,&quot; in German</extracomment>
        <translation>,</translation>
    </message>
</context>
<context>
    <name>Operators</name>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divide by</source>
        <translation>dividido entre</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido entre</translation>
    </message>
</context>
<context>
    <name>PagePrinting</name>
    <message>
        <source>Page: %1</source>
        <translation>Página: %1</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>zero</source>
        <translation>cero</translation>
    </message>
    <message>
        <source>one</source>
        <translation>uno</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>point</source>
        <extracomment>The decimal point, as a key says it and within a number said digit by digit</extracomment>
        <translation>coma</translation>
    </message>
    <message>
        <source>decimal point already included</source>
        <translation>la coma ya está incluida</translation>
    </message>
    <message>
        <source>decimal point is already included</source>
        <extracomment>Said for a second point typed on the keyboard; the clicked key says &quot;decimal point already included&quot;</extracomment>
        <translation>la coma decimal ya está incluida</translation>
    </message>
    <message>
        <source>clear work area</source>
        <translation>borrar área de trabajo</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>borrar todo</translation>
    </message>
    <message>
        <source>negative</source>
        <extracomment>The sign of a negative number</extracomment>
        <translation>negativo</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual a</translation>
    </message>
    <message>
        <source>INFINITY</source>
        <extracomment>The warning after a division by zero, said before &quot;equals&quot; and the result</extracomment>
        <translation>INFINITO</translation>
    </message>
    <message>
        <source>ready</source>
        <extracomment>Said as the program starts</extracomment>
        <translation>listo</translation>
    </message>
    <message>
        <source>display empty</source>
        <translation>visor vacío</translation>
    </message>
    <message>
        <source>transcript empty</source>
        <translation>registro vacío</translation>
    </message>
    <message>
        <source>no calculation yet</source>
        <translation>aún no hay cálculos</translation>
    </message>
    <message>
        <source>speak keys on</source>
        <translation>anuncio de teclas activado</translation>
    </message>
    <message>
        <source>speak keys off</source>
        <translation>anuncio de teclas desactivado</translation>
    </message>
    <message>
        <source>nothing to paste</source>
        <translation>nada que pegar</translation>
    </message>
    <message>
        <source>not pasted, more than 8 characters</source>
        <translation>no pegado, más de 8 caracteres</translation>
    </message>
    <message>
        <source>not pasted, not a number</source>
        <translation>no pegado, no es un número</translation>
    </message>
    <message>
        <source>not used, not a number</source>
        <translation>no usado, no es un número</translation>
    </message>
    <message>
        <source>exponent</source>
        <extracomment>Before the exponent of a number said digit by digit, as in &quot;1 point 5 exponent negative 0 7&quot;</extracomment>
        <translation>exponente</translation>
    </message>
    <message>
        <source>calculation %1 of %2, %3</source>
        <extracomment>%1: the calculation&apos;s number, %2: how many there are, %3: the calculation in words</extracomment>
        <translation>cálculo %1 de %2, %3</translation>
    </message>
    <message>
        <source>calculation %1 of %2 is the first</source>
        <extracomment>%1: the calculation&apos;s number, %2: how many there are</extracomment>
        <translation>el cálculo %1 de %2 es el primero</translation>
    </message>
    <message>
        <source>calculation %1 of %2 is the last</source>
        <extracomment>%1: the calculation&apos;s number, %2: how many there are</extracomment>
        <translation>el cálculo %1 de %2 es el último</translation>
    </message>
    <message>
        <source>read digits singly on</source>
        <translation>lectura dígito a dígito activada</translation>
    </message>
    <message>
        <source>read digits singly off</source>
        <translation>lectura dígito a dígito desactivada</translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>Numivox v%1</source>
        <translation>Numivox v%1</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los ficheros (*)</translation>
    </message>
</context>
<context>
    <name>ReleaseGate</name>
    <message>
        <source>This program requires Mac OS X 10.4 or higher. Please visit the program home page at %1 for information about versions of this program for other systems.</source>
        <extracomment>%1: the address of the program&apos;s home page</extracomment>
        <translation>Este programa necesita Mac OS X 10.4 o posterior. Visite la página principal del programa, %1, para obtener información sobre las versiones de este programa para otros sistemas.</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>enter</source>
        <translation>intro numérico</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>retroceso</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulador</translation>
    </message>
    <message>
        <source>return</source>
        <translation>intro</translation>
    </message>
    <message>
        <source>escape</source>
        <translation>escape</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>up</source>
        <translation>arriba</translation>
    </message>
    <message>
        <source>down</source>
        <translation>abajo</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>suprimir</translation>
    </message>
    <message>
        <source>control character</source>
        <translation>carácter de control</translation>
    </message>
</context>
<context>
    <name>TranscriptOutcomes</name>
    <message>
        <source>copied</source>
        <translation>copiado</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>nada seleccionado</translation>
    </message>
    <message>
        <source>transcript copied</source>
        <translation>registro copiado</translation>
    </message>
    <message>
        <source>transcript empty, clipboard emptied</source>
        <translation>registro vacío, portapapeles vaciado</translation>
    </message>
    <message>
        <source>printing cancelled</source>
        <translation>impresión cancelada</translation>
    </message>
    <message>
        <source>nothing to print</source>
        <translation>nada que imprimir</translation>
    </message>
    <message>
        <source>not printed</source>
        <translation>no impreso</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 página impresa</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 páginas impresas</translation>
    </message>
    <message>
        <source>%1 printed on %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 printed to %2</source>
        <translation>%1 en el archivo %2</translation>
    </message>
    <message>
        <source>save cancelled</source>
        <translation>guardado cancelado</translation>
    </message>
    <message>
        <source>not saved, %1</source>
        <translation>no guardado, %1</translation>
    </message>
    <message>
        <source>saved as %1 in %2</source>
        <translation>guardado como %1 en %2</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language, as speech-dispatcher takes it: &quot;de&quot;, &quot;fr&quot;.</extracomment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>ViewCommands</name>
    <message>
        <source>zoom %1 percent is the largest</source>
        <translation>tamaño %1 por ciento es el máximo</translation>
    </message>
    <message>
        <source>zoom %1 percent is the largest that fits the screen</source>
        <translation>tamaño %1 por ciento es el máximo que cabe en la pantalla</translation>
    </message>
    <message>
        <source>zoom %1 percent is the smallest</source>
        <translation>tamaño %1 por ciento es el mínimo</translation>
    </message>
    <message>
        <source>zoom %1 percent</source>
        <translation>tamaño %1 por ciento</translation>
    </message>
    <message>
        <source>high contrast on</source>
        <translation>alto contraste activado</translation>
    </message>
    <message>
        <source>high contrast off</source>
        <translation>alto contraste desactivado</translation>
    </message>
</context>
<context>
    <name>VoiceCommands</name>
    <message>
        <source>Male 1</source>
        <translation>Masculina 1</translation>
    </message>
    <message>
        <source>Male 2</source>
        <translation>Masculina 2</translation>
    </message>
    <message>
        <source>Male 3</source>
        <translation>Masculina 3</translation>
    </message>
    <message>
        <source>Female 1</source>
        <translation>Femenina 1</translation>
    </message>
    <message>
        <source>Female 2</source>
        <translation>Femenina 2</translation>
    </message>
    <message>
        <source>Female 3</source>
        <translation>Femenina 3</translation>
    </message>
    <message>
        <source>Child Male</source>
        <translation>Infantil masculina</translation>
    </message>
    <message>
        <source>Child Female</source>
        <translation>Infantil femenina</translation>
    </message>
    <message>
        <source>negative %1</source>
        <translation>negativo %1</translation>
    </message>
    <message>
        <source>faster %1</source>
        <translation>más rápido %1</translation>
    </message>
    <message>
        <source>fastest</source>
        <translation>velocidad máxima</translation>
    </message>
    <message>
        <source>slower %1</source>
        <translation>más lento %1</translation>
    </message>
    <message>
        <source>slowest</source>
        <translation>velocidad mínima</translation>
    </message>
    <message>
        <source>louder %1</source>
        <translation>más fuerte %1</translation>
    </message>
    <message>
        <source>loudest</source>
        <translation>volumen máximo</translation>
    </message>
    <message>
        <source>softer %1</source>
        <translation>más suave %1</translation>
    </message>
    <message>
        <source>softest</source>
        <translation>volumen mínimo</translation>
    </message>
    <message>
        <source>voice %1</source>
        <translation>voz %1</translation>
    </message>
    <message>
        <source>default voice</source>
        <translation>voz predeterminada</translation>
    </message>
</context>
<context>
    <name>Voicing</name>
    <message>
        <source>button</source>
        <translation>botón</translation>
    </message>
    <message>
        <source>check box</source>
        <translation>casilla de verificación</translation>
    </message>
    <message>
        <source>radio button</source>
        <translation>botón de opción</translation>
    </message>
    <message>
        <source>combo box</source>
        <translation>cuadro combinado</translation>
    </message>
    <message>
        <source>spin box</source>
        <translation>selector numérico</translation>
    </message>
    <message>
        <source>text field</source>
        <translation>campo de texto</translation>
    </message>
    <message>
        <source>list</source>
        <translation>lista</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>pestaña</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>control deslizante</translation>
    </message>
    <message>
        <source>link</source>
        <translation>enlace</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>control</source>
        <translation>control</translation>
    </message>
    <message>
        <source>alt</source>
        <translation>alt</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>mayúsculas</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>submenu</source>
        <translation>submenú</translation>
    </message>
    <message>
        <source>unavailable</source>
        <translation>no disponible</translation>
    </message>
    <message>
        <source>context menu</source>
        <translation>menú contextual</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <translation>menú %1</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>marcado</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>no marcado</translation>
    </message>
</context>
<context>
    <name>editFieldExtras</name>
    <message>
        <source>untitled.txt</source>
        <extracomment>The name the Save dialog offers for the transcript&apos;s file</extracomment>
        <translation>sin_título.txt</translation>
    </message>
</context>
<context>
    <name>wAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Check for updates and other information related to Numivox online at </source>
        <translation>Busque actualizaciones y más información sobre Numivox en </translation>
    </message>
    <message>
        <source>Copyright © 2024 The Numivox Project. Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Copyright © 2024 The Numivox Project. Software libre bajo la GNU General Public License, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>Numivox version %1</source>
        <translation>Numivox versión %1</translation>
    </message>
</context>
<context>
    <name>wHelp</name>
    <message>
        <source>General Information</source>
        <translation>Información general</translation>
    </message>
    <message>
        <source>System Requirements</source>
        <translation>Requisitos del sistema</translation>
    </message>
    <message>
        <source>What&apos;s new in this version?</source>
        <translation>¿Qué hay de nuevo en esta versión?</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte técnico</translation>
    </message>
    <message>
        <source>Use and Distribution</source>
        <translation>Uso y distribución</translation>
    </message>
    <message>
        <source>Other Titles</source>
        <translation>Otros títulos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
</context>
<context>
    <name>wMain</name>
    <message>
        <source>Display</source>
        <translation>Visor</translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation>Registro</translation>
    </message>
</context>
</TS>
