<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>by the Ferrolin developers</source>
        <translation>por los desarrolladores de Ferrolin</translation>
    </message>
    <message>
        <source>Home page (Click here)</source>
        <translation>Página web (pulse aquí)</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Website not available</source>
        <translation>Sitio web no disponible</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>%1
<byte value="xd"/>Missing left bracket &quot;(&quot; </source>
        <translation>%1
<byte value="xd"/>Falta el paréntesis izquierdo &quot;(&quot; </translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing right bracket &quot;)&quot;</source>
        <translation>%1
<byte value="xd"/> Falta el paréntesis derecho &quot;)&quot;</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing operand </source>
        <translation>%1
<byte value="xd"/> Falta un operando </translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Unable to evaluate %2</source>
        <translation>%1
<byte value="xd"/> No se puede evaluar %2</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/>Invalid expression. Clear and start again</source>
        <translation>%1
<byte value="xd"/>Expresión no válida. Borre y empiece de nuevo</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operación de coma flotante no válida</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>División por cero en coma flotante</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Desbordamiento de coma flotante</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un valor de coma flotante válido</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Expression nested too deeply</source>
        <translation>%1
<byte value="xd"/> Expresión demasiado anidada</translation>
    </message>
    <message>
        <source>The expression is not valid UTF-8 text</source>
        <translation>La expresión no es texto UTF-8 válido</translation>
    </message>
    <message>
        <source>Not enough parameters</source>
        <translation>Faltan parámetros</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The file is too large to show as a results history (%1 MB; the largest is %2 MB).</source>
        <translation>El archivo es demasiado grande para mostrarlo como historial de resultados (%1 MB; como máximo %2 MB).</translation>
    </message>
    <message>
        <source>The file starts like an RTF document but is not one.</source>
        <translation>El archivo empieza como un documento RTF pero no lo es.</translation>
    </message>
    <message>
        <source>Its groups are nested more than %1 deep.</source>
        <translation>Sus grupos están anidados a más de %1 niveles.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>The history is too large for a results file that can be opened again (%1 MB; the largest is %2 MB).</source>
        <translation>El historial es demasiado grande para un archivo de resultados que se pueda volver a abrir (%1 MB; como máximo %2 MB).</translation>
    </message>
    <message>
        <source>Failed to Load Stream</source>
        <translation>No se pudo cargar el flujo</translation>
    </message>
    <message>
        <source>Failed to Save Stream</source>
        <translation>No se pudo guardar el flujo</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Quick Start Guide</source>
        <translation>Guía rápida</translation>
    </message>
    <message>
        <source>To use Ferrolin just enter a</source>
        <translation>Para usar Ferrolin basta con escribir una</translation>
    </message>
    <message>
        <source>mathematical expression into the top window and</source>
        <translation>expresión matemática en la ventana superior y</translation>
    </message>
    <message>
        <source>press the evaluate button i.e. the equals button.</source>
        <translation>pulsar el botón de evaluar, es decir, el botón igual.</translation>
    </message>
    <message>
        <source>Entering numbers</source>
        <translation>Introducir números</translation>
    </message>
    <message>
        <source>Numbers are input using the mouse keypad or</source>
        <translation>Los números se introducen con el teclado en pantalla o</translation>
    </message>
    <message>
        <source>can be typed directly into the top expression builder window.</source>
        <translation>se escriben directamente en la ventana de expresión superior.</translation>
    </message>
    <message>
        <source>Standard keys are used:-</source>
        <translation>Se usan las teclas habituales:-</translation>
    </message>
    <message>
        <source>&apos;+&apos;  =  Addition</source>
        <translation>&apos;+&apos;  =  Suma</translation>
    </message>
    <message>
        <source>&apos;-&apos;  =  Subtraction</source>
        <translation>&apos;-&apos;  =  Resta</translation>
    </message>
    <message>
        <source>&apos;*&apos;  =  Multiplication</source>
        <translation>&apos;*&apos;  =  Multiplicación</translation>
    </message>
    <message>
        <source>&apos;/&apos;   = Division</source>
        <translation>&apos;/&apos;   = División</translation>
    </message>
    <message>
        <source>&apos;^&apos;  = Power</source>
        <translation>&apos;^&apos;  = Potencia</translation>
    </message>
    <message>
        <source>Parentheses</source>
        <translation>Paréntesis</translation>
    </message>
    <message>
        <source>The left and right brackets  are used</source>
        <translation>Los paréntesis izquierdo y derecho sirven</translation>
    </message>
    <message>
        <source>for grouping terms in a standard expression.</source>
        <translation>para agrupar términos en una expresión.</translation>
    </message>
    <message>
        <source>Example:        2+(5+6)+3+(8+7)</source>
        <translation>Ejemplo:        2+(5+6)+3+(8+7)</translation>
    </message>
    <message>
        <source>Always make sure that an opening parenthesis is</source>
        <translation>Asegúrese de que cada paréntesis de apertura</translation>
    </message>
    <message>
        <source>matched with a closing parenthesis or else an</source>
        <translation>tenga su paréntesis de cierre; si no, se</translation>
    </message>
    <message>
        <source>error will be raised. If this happens correct your</source>
        <translation>producirá un error. Si ocurre, corrija su</translation>
    </message>
    <message>
        <source>expression in the top expression builder window.</source>
        <translation>expresión en la ventana de expresión superior.</translation>
    </message>
    <message>
        <source>Order of operations</source>
        <translation>Orden de las operaciones</translation>
    </message>
    <message>
        <source>The standard order of operations is used:-</source>
        <translation>Se sigue el orden habitual de las operaciones:-</translation>
    </message>
    <message>
        <source>(1) Parentheses.</source>
        <translation>(1) Paréntesis.</translation>
    </message>
    <message>
        <source>(2) Multiplication, Division and Power.</source>
        <translation>(2) Multiplicación, división y potencia.</translation>
    </message>
    <message>
        <source>(3) Addition and Subtraction.</source>
        <translation>(3) Suma y resta.</translation>
    </message>
    <message>
        <source>Math Functions</source>
        <translation>Funciones matemáticas</translation>
    </message>
    <message>
        <source>To select a function click on its name in the</source>
        <translation>Para elegir una función, pulse su nombre en la</translation>
    </message>
    <message>
        <source>list box and it is added to the top expression</source>
        <translation>lista y se añadirá a la ventana de expresión</translation>
    </message>
    <message>
        <source>builder window. Alternatively the function name</source>
        <translation>superior. También puede escribir el nombre</translation>
    </message>
    <message>
        <source>can be typed directly into the top window.</source>
        <translation>de la función directamente en la ventana superior.</translation>
    </message>
    <message>
        <source>All standard trigonometry functions are available</source>
        <translation>Están todas las funciones trigonométricas habituales,</translation>
    </message>
    <message>
        <source>including sine, cosine, tangent, inverse sine (asin),</source>
        <translation>entre ellas seno, coseno, tangente, arcoseno (asin),</translation>
    </message>
    <message>
        <source>inverse cosine (acos) and inverse tangent (atan).</source>
        <translation>arcocoseno (acos) y arcotangente (atan).</translation>
    </message>
    <message>
        <source>Example:     sin(pi/2)</source>
        <translation>Ejemplo:     sin(pi/2)</translation>
    </message>
    <message>
        <source>All angles are in radians.</source>
        <translation>Todos los ángulos están en radianes.</translation>
    </message>
    <message>
        <source>Other Functions</source>
        <translation>Otras funciones</translation>
    </message>
    <message>
        <source>Functions such as square root are included.</source>
        <translation>Se incluyen funciones como la raíz cuadrada.</translation>
    </message>
    <message>
        <source>Factorials up to 15 can be calculated.</source>
        <translation>Se pueden calcular factoriales hasta 15.</translation>
    </message>
    <message>
        <source>Statistical Functions</source>
        <translation>Funciones estadísticas</translation>
    </message>
    <message>
        <source>Functions for calculating the mean or average</source>
        <translation>Hay funciones para calcular la media</translation>
    </message>
    <message>
        <source>of a set of numbers and the standard deviation</source>
        <translation>de un conjunto de números y la desviación típica</translation>
    </message>
    <message>
        <source>are available.</source>
        <translation>disponibles.</translation>
    </message>
    <message>
        <source>Example: mean(1,2,3,4,5)</source>
        <translation>Ejemplo: mean(1,2,3,4,5)</translation>
    </message>
    <message>
        <source>Example: stddev(1,2,3)</source>
        <translation>Ejemplo: stddev(1,2,3)</translation>
    </message>
    <message>
        <source>NAN =Not A Number.</source>
        <translation>NAN = no es un número (Not A Number).</translation>
    </message>
    <message>
        <source>Quick Start Guide text</source>
        <translation>Texto de la guía rápida</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>borrar</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>recall</source>
        <translation>recuperar la última expresión</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>Euler&apos;s constant e</source>
        <translation>constante de Euler e</translation>
    </message>
    <message>
        <source>left bracket</source>
        <translation>paréntesis izquierdo</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>coma</translation>
    </message>
    <message>
        <source>right bracket</source>
        <translation>paréntesis derecho</translation>
    </message>
    <message>
        <source>power</source>
        <translation>potencia</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>dividir</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>multiplicar</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>restar</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>separador decimal</translation>
    </message>
    <message>
        <source>evaluate</source>
        <translation>evaluar</translation>
    </message>
    <message>
        <source>add</source>
        <translation>sumar</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>, not checked</source>
        <translation>, sin marcar</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open|Opens an existing file</source>
        <translation>Abrir|Abre un archivo existente</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save As|Saves the active file with a new name</source>
        <translation>Guardar como|Guarda el archivo con un nombre nuevo</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>Configurar &amp;impresión...</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit|Quits the application</source>
        <translation>Salir|Cierra la aplicación</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Cut|Cuts the selection and puts it on the Clipboard</source>
        <translation>Cortar|Corta la selección y la pone en el portapapeles</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy|Copies the selection and puts it on the Clipboard</source>
        <translation>Copiar|Copia la selección en el portapapeles</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Paste|Inserts Clipboard contents</source>
        <translation>Pegar|Inserta el contenido del portapapeles</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <source>Select All|Selects the entire document</source>
        <translation>Seleccionar todo|Selecciona todo el documento</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo|Reverts the last action</source>
        <translation>Deshacer|Deshace la última acción</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete|Erases the selection</source>
        <translation>Eliminar|Borra la selección</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation>Borrar &amp;historial</translation>
    </message>
    <message>
        <source>&amp;Quick Start Guide</source>
        <translation>&amp;Guía rápida</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Voz</translation>
    </message>
    <message>
        <source>&amp;Precision</source>
        <translation>&amp;Precisión</translation>
    </message>
    <message>
        <source>&amp;%1 Decimal Places</source>
        <translation>&amp;%1 decimales</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No program to open web pages is installed (the xdg-utils package provides one). The address is %1</source>
        <translation>No hay ningún programa instalado para abrir páginas web (el paquete xdg-utils proporciona uno). La dirección es %1</translation>
    </message>
    <message>
        <source>Text File|*.txt|All Files|*.*</source>
        <translation>Archivo de texto|*.txt|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Save changes to the results history?</source>
        <translation>¿Guardar los cambios del historial de resultados?</translation>
    </message>
    <message>
        <source>Nothing in results history to print</source>
        <translation>No hay nada que imprimir en el historial de resultados</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>No hay ninguna impresora predeterminada seleccionada</translation>
    </message>
    <message>
        <source>No voice for this language is installed: phrases are spoken in English</source>
        <translation>No hay ninguna voz instalada para este idioma: las frases se dicen en inglés</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printer selected is not valid</source>
        <translation>La impresora seleccionada no es válida</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>No hay ninguna impresora predeterminada seleccionada</translation>
    </message>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation>El sistema de impresión no responde: no se imprimió nada. Inténtelo de nuevo cuando funcione</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped: nothing was printed</source>
        <translation>La impresora &quot;%1&quot; está detenida: no se imprimió nada</translation>
    </message>
    <message>
        <source>The results are still being printed; try again when that has finished</source>
        <translation>Los resultados aún se están imprimiendo; inténtelo de nuevo cuando termine</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Nothing to print in results </source>
        <translation>Nada que imprimir en el historial </translation>
    </message>
    <message>
        <source> Clear results history </source>
        <translation> Borrar el historial de resultados </translation>
    </message>
    <message>
        <source> Quick start help launching. Press the play button for speach</source>
        <translation> Iniciando la guía rápida. Pulse el botón Leer para escucharla</translation>
    </message>
    <message>
        <source>I am Ferrolin version 2009. </source>
        <translation>Soy Ferrolin versión 2009. </translation>
    </message>
    <message>
        <source>  My parser and speach engine are different in this version</source>
        <translation>  Mi evaluador y mi voz son distintos en esta versión</translation>
    </message>
    <message>
        <source> clear </source>
        <translation> borrar </translation>
    </message>
    <message>
        <source> recall last expression</source>
        <translation> recuperar la última expresión</translation>
    </message>
    <message>
        <source> pi </source>
        <translation> pi </translation>
    </message>
    <message>
        <source> Eulers constant </source>
        <translation> constante de Euler </translation>
    </message>
    <message>
        <source> left bracket </source>
        <translation> paréntesis izquierdo </translation>
    </message>
    <message>
        <source> comma </source>
        <translation> coma </translation>
    </message>
    <message>
        <source> right bracket </source>
        <translation> paréntesis derecho </translation>
    </message>
    <message>
        <source> power </source>
        <translation> potencia </translation>
    </message>
    <message>
        <source> divide </source>
        <translation> dividir </translation>
    </message>
    <message>
        <source> multi ply </source>
        <translation> multiplicar </translation>
    </message>
    <message>
        <source> subtract </source>
        <translation> restar </translation>
    </message>
    <message>
        <source>decimal point </source>
        <translation>coma decimal </translation>
    </message>
    <message>
        <source> Evaluate </source>
        <translation> evaluar </translation>
    </message>
    <message>
        <source>add </source>
        <translation>sumar </translation>
    </message>
    <message>
        <source> sine </source>
        <translation> seno </translation>
    </message>
    <message>
        <source> cosine </source>
        <translation> coseno </translation>
    </message>
    <message>
        <source> tangent </source>
        <translation> tangente </translation>
    </message>
    <message>
        <source> inverse sine </source>
        <translation> arcoseno </translation>
    </message>
    <message>
        <source> inverse cosine </source>
        <translation> arcocoseno </translation>
    </message>
    <message>
        <source> inverse tangent </source>
        <translation> arcotangente </translation>
    </message>
    <message>
        <source> co-secant </source>
        <translation> cosecante </translation>
    </message>
    <message>
        <source> secant </source>
        <translation> secante </translation>
    </message>
    <message>
        <source> co-tangent </source>
        <translation> cotangente </translation>
    </message>
    <message>
        <source> degree to radian </source>
        <translation> grados a radianes </translation>
    </message>
    <message>
        <source> degree to gradian </source>
        <translation> grados a gradianes </translation>
    </message>
    <message>
        <source> degree to cycle </source>
        <translation> grados a vueltas </translation>
    </message>
    <message>
        <source> radian to degree </source>
        <translation> radianes a grados </translation>
    </message>
    <message>
        <source> radian to gradian </source>
        <translation> radianes a gradianes </translation>
    </message>
    <message>
        <source> radian to cycle </source>
        <translation> radianes a vueltas </translation>
    </message>
    <message>
        <source> grad to degree </source>
        <translation> gradianes a grados </translation>
    </message>
    <message>
        <source> grad  to radian </source>
        <translation> gradianes  a radianes </translation>
    </message>
    <message>
        <source> grad to cycle </source>
        <translation> gradianes a vueltas </translation>
    </message>
    <message>
        <source> cycle to degree </source>
        <translation> vueltas a grados </translation>
    </message>
    <message>
        <source> cycle to radian </source>
        <translation> vueltas a radianes </translation>
    </message>
    <message>
        <source> cycle to gradian </source>
        <translation> vueltas a gradianes </translation>
    </message>
    <message>
        <source> sinh </source>
        <translation> seno hiperbólico </translation>
    </message>
    <message>
        <source> cosh </source>
        <translation> coseno hiperbólico </translation>
    </message>
    <message>
        <source> tanh </source>
        <translation> tangente hiperbólica </translation>
    </message>
    <message>
        <source> inverse sinh </source>
        <translation> arcoseno hiperbólico </translation>
    </message>
    <message>
        <source> inverse cosh </source>
        <translation> arcocoseno hiperbólico </translation>
    </message>
    <message>
        <source> inverse tanh </source>
        <translation> arcotangente hiperbólica </translation>
    </message>
    <message>
        <source> logarithm to base e </source>
        <translation> logaritmo en base e </translation>
    </message>
    <message>
        <source> logarithm to base 2 </source>
        <translation> logaritmo en base 2 </translation>
    </message>
    <message>
        <source> logarithm to base 10 </source>
        <translation> logaritmo en base 10 </translation>
    </message>
    <message>
        <source> exponential </source>
        <translation> exponencial </translation>
    </message>
    <message>
        <source> square root </source>
        <translation> raíz cuadrada </translation>
    </message>
    <message>
        <source> ceil </source>
        <translation> techo </translation>
    </message>
    <message>
        <source> floor </source>
        <translation> suelo </translation>
    </message>
    <message>
        <source> factorial </source>
        <translation> factorial </translation>
    </message>
    <message>
        <source> random </source>
        <translation> aleatorio </translation>
    </message>
    <message>
        <source> mean </source>
        <translation> media </translation>
    </message>
    <message>
        <source> standard deviation </source>
        <translation> desviación típica </translation>
    </message>
    <message>
        <source> variance </source>
        <translation> varianza </translation>
    </message>
    <message>
        <source>Result = </source>
        <translation>Resultado = </translation>
    </message>
</context>
<context>
    <name>SpeechFailures</name>
    <message>
        <source>The speech service address &quot;%1&quot; is a network address; this program speaks only through a unix socket</source>
        <translation>La dirección del servicio de voz &quot;%1&quot; es una dirección de red; este programa solo habla por un socket unix</translation>
    </message>
    <message>
        <source>Unknown or unsupported communication method in SPEECHD_ADDRESS &quot;%1&quot;</source>
        <translation>Método de comunicación desconocido o no admitido en SPEECHD_ADDRESS &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Conexión rechazada</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>The speech service at %1 answered something it should not: a message that never ends</source>
        <translation>El servicio de voz en %1 respondió algo que no debía: un mensaje que nunca termina</translation>
    </message>
    <message>
        <source>Speech is not available: the speech service is not installed. Install the speech-dispatcher package to hear the calculator.
Can&apos;t connect to unix socket %1: %2. Autospawn: %3 could not be started: %4</source>
        <translation>La voz no está disponible: el servicio de voz no está instalado. Instale el paquete speech-dispatcher para oír la calculadora.
No se puede conectar al socket unix %1: %2. Inicio automático: no se pudo iniciar %3: %4</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: the speech service refused to start%3</source>
        <translation>No se puede conectar al socket unix %1: %2. Inicio automático: el servicio de voz se negó a arrancar%3</translation>
    </message>
    <message>
        <source>The speech service closed the connection</source>
        <translation>El servicio de voz cerró la conexión</translation>
    </message>
    <message>
        <source>The speech service connection failed: </source>
        <translation>Falló la conexión con el servicio de voz: </translation>
    </message>
    <message>
        <source>Autospawn disabled</source>
        <translation>Inicio automático desactivado</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: %3</source>
        <translation>No se puede conectar al socket unix %1: %2. Inicio automático: %3</translation>
    </message>
    <message>
        <source>The speech service at %1 does not answer in speech-dispatcher&apos;s protocol</source>
        <translation>El servicio de voz en %1 no responde en el protocolo de speech-dispatcher</translation>
    </message>
    <message>
        <source>The speech service at %1 answered a question it was not asked</source>
        <translation>El servicio de voz en %1 respondió a una pregunta que no se le hizo</translation>
    </message>
    <message>
        <source>The speech service refused %1: %2 %3</source>
        <translation>El servicio de voz rechazó %1: %2 %3</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: the speech service did not open its socket within %3 s</source>
        <translation>No se puede conectar al socket unix %1: %2. Inicio automático: el servicio de voz no abrió su socket en %3 s</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: no answer within %2 s</source>
        <translation>No se puede conectar al socket unix %1: sin respuesta en %2 s</translation>
    </message>
    <message>
        <source>The speech service at %1 did not answer within %2 s</source>
        <translation>El servicio de voz en %1 no respondió en %2 s</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expresión</translation>
    </message>
    <message>
        <source>Type an expression and press Enter to evaluate it</source>
        <translation>Escriba una expresión y pulse Intro para evaluarla</translation>
    </message>
    <message>
        <source>Results history</source>
        <translation>Historial de resultados</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funciones</translation>
    </message>
    <message>
        <source>Choosing a function inserts it into the expression</source>
        <translation>Elegir una función la inserta en la expresión</translation>
    </message>
</context>
<context>
    <name>ferrolin::PrintSetupDialog</name>
    <message>
        <source>The print system does not answer: the printer cannot be chosen now. Try again once it runs</source>
        <translation>El sistema de impresión no responde: ahora no se puede elegir la impresora. Inténtelo de nuevo cuando funcione</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>Looking for printers...</source>
        <translation>Buscando impresoras...</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Borde largo</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Borde corto</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Impresora:</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Paper &amp;size:</source>
        <translation>&amp;Tamaño del papel:</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Tamaño del papel</translation>
    </message>
    <message>
        <source>O&amp;rientation:</source>
        <translation>O&amp;rientación:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Cop&amp;ies:</source>
        <translation>&amp;Copias:</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copias</translation>
    </message>
    <message>
        <source>&amp;Two-sided:</source>
        <translation>A &amp;doble cara:</translation>
    </message>
    <message>
        <source>Two-sided</source>
        <translation>A doble cara</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>No printer is installed: add one in the system&apos;s printer settings, then open Print Setup again</source>
        <translation>No hay ninguna impresora instalada: añada una en la configuración de impresoras del sistema y vuelva a abrir Configurar impresión</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (predeterminada)</translation>
    </message>
</context>
<context>
    <name>ferrolin::Printing</name>
    <message>
        <source>Printing needs the lp command of the cups-client package, and it could not be started: install cups-client, then print again
%1 could not be started (%2)</source>
        <translation>Para imprimir se necesita la orden lp del paquete cups-client, y no se pudo iniciar: instale cups-client y vuelva a imprimir
%1 no se pudo iniciar (%2)</translation>
    </message>
    <message>
        <source>The print system did not take the job within %1 s: it may not be printed</source>
        <translation>El sistema de impresión no aceptó el trabajo en %1 s: puede que no se imprima</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the job: %2</source>
        <translation>La impresora &quot;%1&quot; rechazó el trabajo: %2</translation>
    </message>
</context>
<context>
    <name>ferrolin::QtPrinting</name>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation>El sistema de impresión no responde: no se imprimió nada. Inténtelo de nuevo cuando funcione</translation>
    </message>
    <message>
        <source>Printing the results history...</source>
        <translation>Imprimiendo el historial de resultados...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
</context>
<context>
    <name>ferrolin::TFormAbout</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Abre %1 en el navegador web</translation>
    </message>
</context>
<context>
    <name>ferrolin::TFormHelp</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Read the guide aloud</source>
        <translation>Leer la guía en voz alta</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>Dejar de leer</translation>
    </message>
</context>
</TS>
