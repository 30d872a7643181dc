<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>by the Ferrolin developers</source>
        <translation>von den Ferrolin-Entwicklern</translation>
    </message>
    <message>
        <source>Home page (Click here)</source>
        <translation>Startseite (hier klicken)</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Website not available</source>
        <translation>Website nicht erreichbar</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>%1
<byte value="xd"/>Missing left bracket &quot;(&quot; </source>
        <translation>%1
<byte value="xd"/>Linke Klammer &quot;(&quot; fehlt </translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing right bracket &quot;)&quot;</source>
        <translation>%1
<byte value="xd"/> Rechte Klammer &quot;)&quot; fehlt</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing operand </source>
        <translation>%1
<byte value="xd"/> Operand fehlt </translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Unable to evaluate %2</source>
        <translation>%1
<byte value="xd"/> Nicht auswertbar: %2</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/>Invalid expression. Clear and start again</source>
        <translation>%1
<byte value="xd"/>Ungültiger Ausdruck. Löschen und neu beginnen</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Gleitkomma-Division durch null</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Gleitkomma-Überlauf</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist kein gültiger Gleitkommawert</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Expression nested too deeply</source>
        <translation>%1
<byte value="xd"/> Ausdruck zu tief verschachtelt</translation>
    </message>
    <message>
        <source>The expression is not valid UTF-8 text</source>
        <translation>Der Ausdruck ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <source>Not enough parameters</source>
        <translation>Nicht genügend Parameter</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>The file is too large to show as a results history (%1 MB; the largest is %2 MB).</source>
        <translation>Die Datei ist zu groß, um als Ergebnisverlauf angezeigt zu werden (%1 MB; höchstens %2 MB).</translation>
    </message>
    <message>
        <source>The file starts like an RTF document but is not one.</source>
        <translation>Die Datei beginnt wie ein RTF-Dokument, ist aber keines.</translation>
    </message>
    <message>
        <source>Its groups are nested more than %1 deep.</source>
        <translation>Ihre Gruppen sind tiefer als %1 Ebenen verschachtelt.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>The history is too large for a results file that can be opened again (%1 MB; the largest is %2 MB).</source>
        <translation>Der Verlauf ist zu groß für eine Ergebnisdatei, die sich wieder öffnen lässt (%1 MB; höchstens %2 MB).</translation>
    </message>
    <message>
        <source>Failed to Load Stream</source>
        <translation>Laden des Datenstroms fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed to Save Stream</source>
        <translation>Speichern des Datenstroms fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Quick Start Guide</source>
        <translation>Kurzanleitung</translation>
    </message>
    <message>
        <source>To use Ferrolin just enter a</source>
        <translation>Um Ferrolin zu benutzen, geben Sie einfach</translation>
    </message>
    <message>
        <source>mathematical expression into the top window and</source>
        <translation>einen Rechenausdruck in das obere Fenster ein und</translation>
    </message>
    <message>
        <source>press the evaluate button i.e. the equals button.</source>
        <translation>drücken die Auswerten-Taste, also die Gleichheitstaste.</translation>
    </message>
    <message>
        <source>Entering numbers</source>
        <translation>Zahlen eingeben</translation>
    </message>
    <message>
        <source>Numbers are input using the mouse keypad or</source>
        <translation>Zahlen werden mit dem Tastenfeld eingegeben oder</translation>
    </message>
    <message>
        <source>can be typed directly into the top expression builder window.</source>
        <translation>direkt in das obere Ausdrucksfenster getippt.</translation>
    </message>
    <message>
        <source>Standard keys are used:-</source>
        <translation>Es gelten die üblichen Tasten:-</translation>
    </message>
    <message>
        <source>&apos;+&apos;  =  Addition</source>
        <translation>&apos;+&apos;  =  Addition</translation>
    </message>
    <message>
        <source>&apos;-&apos;  =  Subtraction</source>
        <translation>&apos;-&apos;  =  Subtraktion</translation>
    </message>
    <message>
        <source>&apos;*&apos;  =  Multiplication</source>
        <translation>&apos;*&apos;  =  Multiplikation</translation>
    </message>
    <message>
        <source>&apos;/&apos;   = Division</source>
        <translation>&apos;/&apos;   = Division</translation>
    </message>
    <message>
        <source>&apos;^&apos;  = Power</source>
        <translation>&apos;^&apos;  = Potenz</translation>
    </message>
    <message>
        <source>Parentheses</source>
        <translation>Klammern</translation>
    </message>
    <message>
        <source>The left and right brackets  are used</source>
        <translation>Die linke und die rechte Klammer dienen</translation>
    </message>
    <message>
        <source>for grouping terms in a standard expression.</source>
        <translation>zum Gruppieren von Termen in einem Ausdruck.</translation>
    </message>
    <message>
        <source>Example:        2+(5+6)+3+(8+7)</source>
        <translation>Beispiel:        2+(5+6)+3+(8+7)</translation>
    </message>
    <message>
        <source>Always make sure that an opening parenthesis is</source>
        <translation>Achten Sie darauf, dass zu jeder öffnenden Klammer</translation>
    </message>
    <message>
        <source>matched with a closing parenthesis or else an</source>
        <translation>eine schließende Klammer gehört, sonst</translation>
    </message>
    <message>
        <source>error will be raised. If this happens correct your</source>
        <translation>wird ein Fehler gemeldet. Korrigieren Sie dann Ihren</translation>
    </message>
    <message>
        <source>expression in the top expression builder window.</source>
        <translation>Ausdruck im oberen Ausdrucksfenster.</translation>
    </message>
    <message>
        <source>Order of operations</source>
        <translation>Reihenfolge der Rechenarten</translation>
    </message>
    <message>
        <source>The standard order of operations is used:-</source>
        <translation>Es gilt die übliche Reihenfolge:-</translation>
    </message>
    <message>
        <source>(1) Parentheses.</source>
        <translation>(1) Klammern.</translation>
    </message>
    <message>
        <source>(2) Multiplication, Division and Power.</source>
        <translation>(2) Multiplikation, Division und Potenz.</translation>
    </message>
    <message>
        <source>(3) Addition and Subtraction.</source>
        <translation>(3) Addition und Subtraktion.</translation>
    </message>
    <message>
        <source>Math Functions</source>
        <translation>Mathematische Funktionen</translation>
    </message>
    <message>
        <source>To select a function click on its name in the</source>
        <translation>Um eine Funktion zu wählen, klicken Sie auf ihren Namen</translation>
    </message>
    <message>
        <source>list box and it is added to the top expression</source>
        <translation>in der Liste; sie wird in das obere Ausdrucksfenster</translation>
    </message>
    <message>
        <source>builder window. Alternatively the function name</source>
        <translation>eingefügt. Der Funktionsname kann auch</translation>
    </message>
    <message>
        <source>can be typed directly into the top window.</source>
        <translation>direkt in das obere Fenster getippt werden.</translation>
    </message>
    <message>
        <source>All standard trigonometry functions are available</source>
        <translation>Alle üblichen trigonometrischen Funktionen sind vorhanden,</translation>
    </message>
    <message>
        <source>including sine, cosine, tangent, inverse sine (asin),</source>
        <translation>darunter Sinus, Kosinus, Tangens, Arkussinus (asin),</translation>
    </message>
    <message>
        <source>inverse cosine (acos) and inverse tangent (atan).</source>
        <translation>Arkuskosinus (acos) und Arkustangens (atan).</translation>
    </message>
    <message>
        <source>Example:     sin(pi/2)</source>
        <translation>Beispiel:     sin(pi/2)</translation>
    </message>
    <message>
        <source>All angles are in radians.</source>
        <translation>Alle Winkel sind im Bogenmaß.</translation>
    </message>
    <message>
        <source>Other Functions</source>
        <translation>Weitere Funktionen</translation>
    </message>
    <message>
        <source>Functions such as square root are included.</source>
        <translation>Funktionen wie die Quadratwurzel sind enthalten.</translation>
    </message>
    <message>
        <source>Factorials up to 15 can be calculated.</source>
        <translation>Fakultäten bis 15 können berechnet werden.</translation>
    </message>
    <message>
        <source>Statistical Functions</source>
        <translation>Statistische Funktionen</translation>
    </message>
    <message>
        <source>Functions for calculating the mean or average</source>
        <translation>Funktionen zur Berechnung des Mittelwerts</translation>
    </message>
    <message>
        <source>of a set of numbers and the standard deviation</source>
        <translation>einer Zahlenmenge und der Standardabweichung</translation>
    </message>
    <message>
        <source>are available.</source>
        <translation>sind vorhanden.</translation>
    </message>
    <message>
        <source>Example: mean(1,2,3,4,5)</source>
        <translation>Beispiel: mean(1,2,3,4,5)</translation>
    </message>
    <message>
        <source>Example: stddev(1,2,3)</source>
        <translation>Beispiel: stddev(1,2,3)</translation>
    </message>
    <message>
        <source>NAN =Not A Number.</source>
        <translation>NAN = keine Zahl (Not A Number).</translation>
    </message>
    <message>
        <source>Quick Start Guide text</source>
        <translation>Text der Kurzanleitung</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>löschen</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Abrufen</translation>
    </message>
    <message>
        <source>recall</source>
        <translation>letzten Ausdruck abrufen</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>Euler&apos;s constant e</source>
        <translation>Eulersche Zahl e</translation>
    </message>
    <message>
        <source>left bracket</source>
        <translation>linke Klammer</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>right bracket</source>
        <translation>rechte Klammer</translation>
    </message>
    <message>
        <source>power</source>
        <translation>Potenz</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>dividieren</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>multiplizieren</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>subtrahieren</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>Dezimalkomma</translation>
    </message>
    <message>
        <source>evaluate</source>
        <translation>auswerten</translation>
    </message>
    <message>
        <source>add</source>
        <translation>addieren</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>, not checked</source>
        <translation>, nicht markiert</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open|Opens an existing file</source>
        <translation>Öffnen|Öffnet eine vorhandene Datei</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save As|Saves the active file with a new name</source>
        <translation>Speichern unter|Speichert die Datei unter einem neuen Namen</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>Druckerein&amp;richtung...</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit|Quits the application</source>
        <translation>Beenden|Beendet das Programm</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut|Cuts the selection and puts it on the Clipboard</source>
        <translation>Ausschneiden|Schneidet die Auswahl aus und legt sie in die Zwischenablage</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy|Copies the selection and puts it on the Clipboard</source>
        <translation>Kopieren|Kopiert die Auswahl in die Zwischenablage</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste|Inserts Clipboard contents</source>
        <translation>Einfügen|Fügt den Inhalt der Zwischenablage ein</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>Select All|Selects the entire document</source>
        <translation>Alles markieren|Markiert das ganze Dokument</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo|Reverts the last action</source>
        <translation>Rückgängig|Macht die letzte Aktion rückgängig</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete|Erases the selection</source>
        <translation>Löschen|Löscht die Auswahl</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation>&amp;Verlauf leeren</translation>
    </message>
    <message>
        <source>&amp;Quick Start Guide</source>
        <translation>&amp;Kurzanleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Sprachausgabe</translation>
    </message>
    <message>
        <source>&amp;Precision</source>
        <translation>&amp;Genauigkeit</translation>
    </message>
    <message>
        <source>&amp;%1 Decimal Places</source>
        <translation>&amp;%1 Dezimalstellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No program to open web pages is installed (the xdg-utils package provides one). The address is %1</source>
        <translation>Kein Programm zum Öffnen von Webseiten ist installiert (das Paket xdg-utils enthält eines). Die Adresse lautet %1</translation>
    </message>
    <message>
        <source>Text File|*.txt|All Files|*.*</source>
        <translation>Textdatei|*.txt|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>Save changes to the results history?</source>
        <translation>Änderungen am Ergebnisverlauf speichern?</translation>
    </message>
    <message>
        <source>Nothing in results history to print</source>
        <translation>Der Ergebnisverlauf enthält nichts zum Drucken</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Es ist derzeit kein Standarddrucker ausgewählt</translation>
    </message>
    <message>
        <source>No voice for this language is installed: phrases are spoken in English</source>
        <translation>Für diese Sprache ist keine Stimme installiert: die Ansagen sind englisch</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Der gewählte Drucker ist ungültig</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Es ist derzeit kein Standarddrucker ausgewählt</translation>
    </message>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation>Das Drucksystem antwortet nicht: nichts wurde gedruckt. Versuchen Sie es erneut, sobald es läuft</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped: nothing was printed</source>
        <translation>Der Drucker &quot;%1&quot; ist angehalten: nichts wurde gedruckt</translation>
    </message>
    <message>
        <source>The results are still being printed; try again when that has finished</source>
        <translation>Die Ergebnisse werden noch gedruckt; versuchen Sie es erneut, wenn das beendet ist</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Nothing to print in results </source>
        <translation>Nichts zu drucken im Ergebnisverlauf </translation>
    </message>
    <message>
        <source> Clear results history </source>
        <translation> Ergebnisverlauf leeren </translation>
    </message>
    <message>
        <source> Quick start help launching. Press the play button for speach</source>
        <translation> Kurzanleitung startet. Drücken Sie die Vorlesen-Taste zum Vorlesen</translation>
    </message>
    <message>
        <source>I am Ferrolin version 2009. </source>
        <translation>Ich bin Ferrolin Version 2009. </translation>
    </message>
    <message>
        <source>  My parser and speach engine are different in this version</source>
        <translation>  Rechenwerk und Sprachausgabe sind in dieser Version anders</translation>
    </message>
    <message>
        <source> clear </source>
        <translation> löschen </translation>
    </message>
    <message>
        <source> recall last expression</source>
        <translation> letzten Ausdruck abrufen</translation>
    </message>
    <message>
        <source> pi </source>
        <translation> pi </translation>
    </message>
    <message>
        <source> Eulers constant </source>
        <translation> Eulersche Zahl </translation>
    </message>
    <message>
        <source> left bracket </source>
        <translation> linke Klammer </translation>
    </message>
    <message>
        <source> comma </source>
        <translation> Komma </translation>
    </message>
    <message>
        <source> right bracket </source>
        <translation> rechte Klammer </translation>
    </message>
    <message>
        <source> power </source>
        <translation> hoch </translation>
    </message>
    <message>
        <source> divide </source>
        <translation> geteilt durch </translation>
    </message>
    <message>
        <source> multi ply </source>
        <translation> mal </translation>
    </message>
    <message>
        <source> subtract </source>
        <translation> minus </translation>
    </message>
    <message>
        <source>decimal point </source>
        <translation>Komma </translation>
    </message>
    <message>
        <source> Evaluate </source>
        <translation> auswerten </translation>
    </message>
    <message>
        <source>add </source>
        <translation>plus </translation>
    </message>
    <message>
        <source> sine </source>
        <translation> Sinus </translation>
    </message>
    <message>
        <source> cosine </source>
        <translation> Kosinus </translation>
    </message>
    <message>
        <source> tangent </source>
        <translation> Tangens </translation>
    </message>
    <message>
        <source> inverse sine </source>
        <translation> Arkussinus </translation>
    </message>
    <message>
        <source> inverse cosine </source>
        <translation> Arkuskosinus </translation>
    </message>
    <message>
        <source> inverse tangent </source>
        <translation> Arkustangens </translation>
    </message>
    <message>
        <source> co-secant </source>
        <translation> Kosekans </translation>
    </message>
    <message>
        <source> secant </source>
        <translation> Sekans </translation>
    </message>
    <message>
        <source> co-tangent </source>
        <translation> Kotangens </translation>
    </message>
    <message>
        <source> degree to radian </source>
        <translation> Grad in Radiant </translation>
    </message>
    <message>
        <source> degree to gradian </source>
        <translation> Grad in Gon </translation>
    </message>
    <message>
        <source> degree to cycle </source>
        <translation> Grad in Umdrehungen </translation>
    </message>
    <message>
        <source> radian to degree </source>
        <translation> Radiant in Grad </translation>
    </message>
    <message>
        <source> radian to gradian </source>
        <translation> Radiant in Gon </translation>
    </message>
    <message>
        <source> radian to cycle </source>
        <translation> Radiant in Umdrehungen </translation>
    </message>
    <message>
        <source> grad to degree </source>
        <translation> Gon in Grad </translation>
    </message>
    <message>
        <source> grad  to radian </source>
        <translation> Gon in Radiant </translation>
    </message>
    <message>
        <source> grad to cycle </source>
        <translation> Gon in Umdrehungen </translation>
    </message>
    <message>
        <source> cycle to degree </source>
        <translation> Umdrehungen in Grad </translation>
    </message>
    <message>
        <source> cycle to radian </source>
        <translation> Umdrehungen in Radiant </translation>
    </message>
    <message>
        <source> cycle to gradian </source>
        <translation> Umdrehungen in Gon </translation>
    </message>
    <message>
        <source> sinh </source>
        <translation> Sinus hyperbolicus </translation>
    </message>
    <message>
        <source> cosh </source>
        <translation> Kosinus hyperbolicus </translation>
    </message>
    <message>
        <source> tanh </source>
        <translation> Tangens hyperbolicus </translation>
    </message>
    <message>
        <source> inverse sinh </source>
        <translation> Areasinus hyperbolicus </translation>
    </message>
    <message>
        <source> inverse cosh </source>
        <translation> Areakosinus hyperbolicus </translation>
    </message>
    <message>
        <source> inverse tanh </source>
        <translation> Areatangens hyperbolicus </translation>
    </message>
    <message>
        <source> logarithm to base e </source>
        <translation> Logarithmus zur Basis e </translation>
    </message>
    <message>
        <source> logarithm to base 2 </source>
        <translation> Logarithmus zur Basis 2 </translation>
    </message>
    <message>
        <source> logarithm to base 10 </source>
        <translation> Logarithmus zur Basis 10 </translation>
    </message>
    <message>
        <source> exponential </source>
        <translation> Exponentialfunktion </translation>
    </message>
    <message>
        <source> square root </source>
        <translation> Quadratwurzel </translation>
    </message>
    <message>
        <source> ceil </source>
        <translation> aufrunden </translation>
    </message>
    <message>
        <source> floor </source>
        <translation> abrunden </translation>
    </message>
    <message>
        <source> factorial </source>
        <translation> Fakultät </translation>
    </message>
    <message>
        <source> random </source>
        <translation> Zufallszahl </translation>
    </message>
    <message>
        <source> mean </source>
        <translation> Mittelwert </translation>
    </message>
    <message>
        <source> standard deviation </source>
        <translation> Standardabweichung </translation>
    </message>
    <message>
        <source> variance </source>
        <translation> Varianz </translation>
    </message>
    <message>
        <source>Result = </source>
        <translation>Ergebnis = </translation>
    </message>
</context>
<context>
    <name>SpeechFailures</name>
    <message>
        <source>The speech service address &quot;%1&quot; is a network address; this program speaks only through a unix socket</source>
        <translation>Die Adresse des Sprachdienstes &quot;%1&quot; ist eine Netzwerkadresse; dieses Programm spricht nur über einen Unix-Socket</translation>
    </message>
    <message>
        <source>Unknown or unsupported communication method in SPEECHD_ADDRESS &quot;%1&quot;</source>
        <translation>Unbekannte oder nicht unterstützte Verbindungsart in SPEECHD_ADDRESS &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>The speech service at %1 answered something it should not: a message that never ends</source>
        <translation>Der Sprachdienst unter %1 hat etwas geantwortet, das er nicht sollte: eine Nachricht ohne Ende</translation>
    </message>
    <message>
        <source>Speech is not available: the speech service is not installed. Install the speech-dispatcher package to hear the calculator.
Can&apos;t connect to unix socket %1: %2. Autospawn: %3 could not be started: %4</source>
        <translation>Sprachausgabe nicht verfügbar: der Sprachdienst ist nicht installiert. Installieren Sie das Paket speech-dispatcher, um den Rechner zu hören.
Keine Verbindung zum Unix-Socket %1: %2. Autospawn: %3 konnte nicht gestartet werden: %4</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: the speech service refused to start%3</source>
        <translation>Keine Verbindung zum Unix-Socket %1: %2. Autospawn: der Sprachdienst ließ sich nicht starten%3</translation>
    </message>
    <message>
        <source>The speech service closed the connection</source>
        <translation>Der Sprachdienst hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>The speech service connection failed: </source>
        <translation>Die Verbindung zum Sprachdienst ist fehlgeschlagen: </translation>
    </message>
    <message>
        <source>Autospawn disabled</source>
        <translation>Autospawn abgeschaltet</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: %3</source>
        <translation>Keine Verbindung zum Unix-Socket %1: %2. Autospawn: %3</translation>
    </message>
    <message>
        <source>The speech service at %1 does not answer in speech-dispatcher&apos;s protocol</source>
        <translation>Der Sprachdienst unter %1 antwortet nicht im Protokoll von speech-dispatcher</translation>
    </message>
    <message>
        <source>The speech service at %1 answered a question it was not asked</source>
        <translation>Der Sprachdienst unter %1 hat eine Frage beantwortet, die ihm nicht gestellt wurde</translation>
    </message>
    <message>
        <source>The speech service refused %1: %2 %3</source>
        <translation>Der Sprachdienst hat %1 abgelehnt: %2 %3</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: the speech service did not open its socket within %3 s</source>
        <translation>Keine Verbindung zum Unix-Socket %1: %2. Autospawn: der Sprachdienst hat seinen Socket nicht innerhalb von %3 s geöffnet</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: no answer within %2 s</source>
        <translation>Keine Verbindung zum Unix-Socket %1: keine Antwort innerhalb von %2 s</translation>
    </message>
    <message>
        <source>The speech service at %1 did not answer within %2 s</source>
        <translation>Der Sprachdienst unter %1 hat nicht innerhalb von %2 s geantwortet</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Ausdruck</translation>
    </message>
    <message>
        <source>Type an expression and press Enter to evaluate it</source>
        <translation>Geben Sie einen Ausdruck ein und drücken Sie Enter, um ihn auszuwerten</translation>
    </message>
    <message>
        <source>Results history</source>
        <translation>Ergebnisverlauf</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Tastenfeld</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Choosing a function inserts it into the expression</source>
        <translation>Eine gewählte Funktion wird in den Ausdruck eingefügt</translation>
    </message>
</context>
<context>
    <name>ferrolin::PrintSetupDialog</name>
    <message>
        <source>The print system does not answer: the printer cannot be chosen now. Try again once it runs</source>
        <translation>Das Drucksystem antwortet nicht: der Drucker kann jetzt nicht gewählt werden. Versuchen Sie es erneut, sobald es läuft</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Looking for printers...</source>
        <translation>Drucker werden gesucht...</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Lange Kante</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Kurze Kante</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Drucker:</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Paper &amp;size:</source>
        <translation>&amp;Papierformat:</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <source>O&amp;rientation:</source>
        <translation>&amp;Ausrichtung:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Cop&amp;ies:</source>
        <translation>&amp;Exemplare:</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Exemplare</translation>
    </message>
    <message>
        <source>&amp;Two-sided:</source>
        <translation>&amp;Beidseitig:</translation>
    </message>
    <message>
        <source>Two-sided</source>
        <translation>Beidseitig</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>No printer is installed: add one in the system&apos;s printer settings, then open Print Setup again</source>
        <translation>Kein Drucker ist installiert: richten Sie in den Druckereinstellungen des Systems einen ein und öffnen Sie dann die Druckereinrichtung erneut</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (Standard)</translation>
    </message>
</context>
<context>
    <name>ferrolin::Printing</name>
    <message>
        <source>Printing needs the lp command of the cups-client package, and it could not be started: install cups-client, then print again
%1 could not be started (%2)</source>
        <translation>Zum Drucken wird der Befehl lp aus dem Paket cups-client benötigt, und er konnte nicht gestartet werden: installieren Sie cups-client und drucken Sie erneut
%1 konnte nicht gestartet werden (%2)</translation>
    </message>
    <message>
        <source>The print system did not take the job within %1 s: it may not be printed</source>
        <translation>Das Drucksystem hat den Auftrag nicht innerhalb von %1 s angenommen: er wird möglicherweise nicht gedruckt</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the job: %2</source>
        <translation>Der Drucker &quot;%1&quot; hat den Auftrag abgelehnt: %2</translation>
    </message>
</context>
<context>
    <name>ferrolin::QtPrinting</name>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation>Das Drucksystem antwortet nicht: nichts wurde gedruckt. Versuchen Sie es erneut, sobald es läuft</translation>
    </message>
    <message>
        <source>Printing the results history...</source>
        <translation>Der Ergebnisverlauf wird gedruckt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>ferrolin::TFormAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Öffnet %1 im Webbrowser</translation>
    </message>
</context>
<context>
    <name>ferrolin::TFormHelp</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Read the guide aloud</source>
        <translation>Die Anleitung vorlesen</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>Vorlesen anhalten</translation>
    </message>
</context>
</TS>
