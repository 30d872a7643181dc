<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>About</name>
    <message>
        <source>by the Ferrolin developers</source>
        <translation>dagli sviluppatori di Ferrolin</translation>
    </message>
    <message>
        <source>Home page (Click here)</source>
        <translation>Sito web (fare clic qui)</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>Website not available</source>
        <translation>Sito web non disponibile</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>%1
<byte value="xd"/>Missing left bracket &quot;(&quot; </source>
        <translation>%1
<byte value="xd"/>Manca la parentesi sinistra &quot;(&quot; </translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing right bracket &quot;)&quot;</source>
        <translation>%1
<byte value="xd"/> Manca la parentesi destra &quot;)&quot;</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing operand </source>
        <translation>%1
<byte value="xd"/> Manca un operando </translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Unable to evaluate %2</source>
        <translation>%1
<byte value="xd"/> Impossibile valutare %2</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/>Invalid expression. Clear and start again</source>
        <translation>%1
<byte value="xd"/>Espressione non valida. Cancellare e ricominciare</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operazione in virgola mobile non valida</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Divisione per zero in virgola mobile</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Overflow in virgola mobile</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; non è un valore in virgola mobile valido</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Expression nested too deeply</source>
        <translation>%1
<byte value="xd"/> Espressione annidata troppo in profondità</translation>
    </message>
    <message>
        <source>The expression is not valid UTF-8 text</source>
        <translation>L&apos;espressione non è un testo UTF-8 valido</translation>
    </message>
    <message>
        <source>Not enough parameters</source>
        <translation>Parametri insufficienti</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossibile creare il file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The file is too large to show as a results history (%1 MB; the largest is %2 MB).</source>
        <translation>Il file è troppo grande per essere mostrato come cronologia dei risultati (%1 MB; al massimo %2 MB).</translation>
    </message>
    <message>
        <source>The file starts like an RTF document but is not one.</source>
        <translation>Il file inizia come un documento RTF ma non lo è.</translation>
    </message>
    <message>
        <source>Its groups are nested more than %1 deep.</source>
        <translation>I suoi gruppi sono annidati oltre %1 livelli.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file regolare</translation>
    </message>
    <message>
        <source>The history is too large for a results file that can be opened again (%1 MB; the largest is %2 MB).</source>
        <translation>La cronologia è troppo grande per un file di risultati che si possa riaprire (%1 MB; al massimo %2 MB).</translation>
    </message>
    <message>
        <source>Failed to Load Stream</source>
        <translation>Caricamento del flusso non riuscito</translation>
    </message>
    <message>
        <source>Failed to Save Stream</source>
        <translation>Salvataggio del flusso non riuscito</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Quick Start Guide</source>
        <translation>Guida rapida</translation>
    </message>
    <message>
        <source>To use Ferrolin just enter a</source>
        <translation>Per usare Ferrolin basta inserire un&apos;</translation>
    </message>
    <message>
        <source>mathematical expression into the top window and</source>
        <translation>espressione matematica nella finestra in alto e</translation>
    </message>
    <message>
        <source>press the evaluate button i.e. the equals button.</source>
        <translation>premere il tasto di valutazione, cioè il tasto uguale.</translation>
    </message>
    <message>
        <source>Entering numbers</source>
        <translation>Inserire i numeri</translation>
    </message>
    <message>
        <source>Numbers are input using the mouse keypad or</source>
        <translation>I numeri si inseriscono con il tastierino o</translation>
    </message>
    <message>
        <source>can be typed directly into the top expression builder window.</source>
        <translation>si digitano direttamente nella finestra dell&apos;espressione in alto.</translation>
    </message>
    <message>
        <source>Standard keys are used:-</source>
        <translation>Si usano i tasti consueti:-</translation>
    </message>
    <message>
        <source>&apos;+&apos;  =  Addition</source>
        <translation>&apos;+&apos;  =  Addizione</translation>
    </message>
    <message>
        <source>&apos;-&apos;  =  Subtraction</source>
        <translation>&apos;-&apos;  =  Sottrazione</translation>
    </message>
    <message>
        <source>&apos;*&apos;  =  Multiplication</source>
        <translation>&apos;*&apos;  =  Moltiplicazione</translation>
    </message>
    <message>
        <source>&apos;/&apos;   = Division</source>
        <translation>&apos;/&apos;   = Divisione</translation>
    </message>
    <message>
        <source>&apos;^&apos;  = Power</source>
        <translation>&apos;^&apos;  = Potenza</translation>
    </message>
    <message>
        <source>Parentheses</source>
        <translation>Parentesi</translation>
    </message>
    <message>
        <source>The left and right brackets  are used</source>
        <translation>Le parentesi sinistra e destra servono</translation>
    </message>
    <message>
        <source>for grouping terms in a standard expression.</source>
        <translation>a raggruppare i termini di un&apos;espressione.</translation>
    </message>
    <message>
        <source>Example:        2+(5+6)+3+(8+7)</source>
        <translation>Esempio:        2+(5+6)+3+(8+7)</translation>
    </message>
    <message>
        <source>Always make sure that an opening parenthesis is</source>
        <translation>Assicurarsi che ogni parentesi aperta</translation>
    </message>
    <message>
        <source>matched with a closing parenthesis or else an</source>
        <translation>abbia la sua parentesi chiusa, altrimenti</translation>
    </message>
    <message>
        <source>error will be raised. If this happens correct your</source>
        <translation>viene segnalato un errore. In tal caso correggere</translation>
    </message>
    <message>
        <source>expression in the top expression builder window.</source>
        <translation>l&apos;espressione nella finestra dell&apos;espressione in alto.</translation>
    </message>
    <message>
        <source>Order of operations</source>
        <translation>Ordine delle operazioni</translation>
    </message>
    <message>
        <source>The standard order of operations is used:-</source>
        <translation>Si segue l&apos;ordine consueto delle operazioni:-</translation>
    </message>
    <message>
        <source>(1) Parentheses.</source>
        <translation>(1) Parentesi.</translation>
    </message>
    <message>
        <source>(2) Multiplication, Division and Power.</source>
        <translation>(2) Moltiplicazione, divisione e potenza.</translation>
    </message>
    <message>
        <source>(3) Addition and Subtraction.</source>
        <translation>(3) Addizione e sottrazione.</translation>
    </message>
    <message>
        <source>Math Functions</source>
        <translation>Funzioni matematiche</translation>
    </message>
    <message>
        <source>To select a function click on its name in the</source>
        <translation>Per scegliere una funzione fare clic sul suo nome nell&apos;</translation>
    </message>
    <message>
        <source>list box and it is added to the top expression</source>
        <translation>elenco: viene aggiunta alla finestra dell&apos;espressione</translation>
    </message>
    <message>
        <source>builder window. Alternatively the function name</source>
        <translation>in alto. In alternativa il nome della funzione</translation>
    </message>
    <message>
        <source>can be typed directly into the top window.</source>
        <translation>si può digitare direttamente nella finestra in alto.</translation>
    </message>
    <message>
        <source>All standard trigonometry functions are available</source>
        <translation>Sono disponibili tutte le funzioni trigonometriche consuete,</translation>
    </message>
    <message>
        <source>including sine, cosine, tangent, inverse sine (asin),</source>
        <translation>tra cui seno, coseno, tangente, arcoseno (asin),</translation>
    </message>
    <message>
        <source>inverse cosine (acos) and inverse tangent (atan).</source>
        <translation>arcocoseno (acos) e arcotangente (atan).</translation>
    </message>
    <message>
        <source>Example:     sin(pi/2)</source>
        <translation>Esempio:     sin(pi/2)</translation>
    </message>
    <message>
        <source>All angles are in radians.</source>
        <translation>Tutti gli angoli sono in radianti.</translation>
    </message>
    <message>
        <source>Other Functions</source>
        <translation>Altre funzioni</translation>
    </message>
    <message>
        <source>Functions such as square root are included.</source>
        <translation>Sono incluse funzioni come la radice quadrata.</translation>
    </message>
    <message>
        <source>Factorials up to 15 can be calculated.</source>
        <translation>Si possono calcolare i fattoriali fino a 15.</translation>
    </message>
    <message>
        <source>Statistical Functions</source>
        <translation>Funzioni statistiche</translation>
    </message>
    <message>
        <source>Functions for calculating the mean or average</source>
        <translation>Funzioni per calcolare la media</translation>
    </message>
    <message>
        <source>of a set of numbers and the standard deviation</source>
        <translation>di un insieme di numeri e la deviazione standard</translation>
    </message>
    <message>
        <source>are available.</source>
        <translation>sono disponibili.</translation>
    </message>
    <message>
        <source>Example: mean(1,2,3,4,5)</source>
        <translation>Esempio: mean(1,2,3,4,5)</translation>
    </message>
    <message>
        <source>Example: stddev(1,2,3)</source>
        <translation>Esempio: stddev(1,2,3)</translation>
    </message>
    <message>
        <source>NAN =Not A Number.</source>
        <translation>NAN = non è un numero (Not A Number).</translation>
    </message>
    <message>
        <source>Quick Start Guide text</source>
        <translation>Testo della guida rapida</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>cancellare</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Richiama</translation>
    </message>
    <message>
        <source>recall</source>
        <translation>richiamare l&apos;ultima espressione</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>Euler&apos;s constant e</source>
        <translation>costante di Eulero e</translation>
    </message>
    <message>
        <source>left bracket</source>
        <translation>parentesi sinistra</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>virgola</translation>
    </message>
    <message>
        <source>right bracket</source>
        <translation>parentesi destra</translation>
    </message>
    <message>
        <source>power</source>
        <translation>potenza</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>dividere</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>moltiplicare</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>sottrarre</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>separatore decimale</translation>
    </message>
    <message>
        <source>evaluate</source>
        <translation>valutare</translation>
    </message>
    <message>
        <source>add</source>
        <translation>addizionare</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>, not checked</source>
        <translation>, non selezionato</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open|Opens an existing file</source>
        <translation>Apri|Apre un file esistente</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>Save As|Saves the active file with a new name</source>
        <translation>Salva con nome|Salva il file con un nuovo nome</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>&amp;Imposta stampa...</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Imposta stampa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Exit|Quits the application</source>
        <translation>Esci|Chiude l&apos;applicazione</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>Cut|Cuts the selection and puts it on the Clipboard</source>
        <translation>Taglia|Taglia la selezione e la mette negli appunti</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy|Copies the selection and puts it on the Clipboard</source>
        <translation>Copia|Copia la selezione negli appunti</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>I&amp;ncolla</translation>
    </message>
    <message>
        <source>Paste|Inserts Clipboard contents</source>
        <translation>Incolla|Inserisce il contenuto degli appunti</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona t&amp;utto</translation>
    </message>
    <message>
        <source>Select All|Selects the entire document</source>
        <translation>Seleziona tutto|Seleziona l&apos;intero documento</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Undo|Reverts the last action</source>
        <translation>Annulla|Annulla l&apos;ultima azione</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Delete|Erases the selection</source>
        <translation>Elimina|Cancella la selezione</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation>Cancella c&amp;ronologia</translation>
    </message>
    <message>
        <source>&amp;Quick Start Guide</source>
        <translation>&amp;Guida rapida</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Voce</translation>
    </message>
    <message>
        <source>&amp;Precision</source>
        <translation>&amp;Precisione</translation>
    </message>
    <message>
        <source>&amp;%1 Decimal Places</source>
        <translation>&amp;%1 decimali</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No program to open web pages is installed (the xdg-utils package provides one). The address is %1</source>
        <translation>Non è installato alcun programma per aprire pagine web (il pacchetto xdg-utils ne fornisce uno). L&apos;indirizzo è %1</translation>
    </message>
    <message>
        <source>Text File|*.txt|All Files|*.*</source>
        <translation>File di testo|*.txt|Tutti i file|*.*</translation>
    </message>
    <message>
        <source>Save changes to the results history?</source>
        <translation>Salvare le modifiche alla cronologia dei risultati?</translation>
    </message>
    <message>
        <source>Nothing in results history to print</source>
        <translation>Nulla da stampare nella cronologia dei risultati</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Al momento non è selezionata alcuna stampante predefinita</translation>
    </message>
    <message>
        <source>No voice for this language is installed: phrases are spoken in English</source>
        <translation>Nessuna voce installata per questa lingua: le frasi sono pronunciate in inglese</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printer selected is not valid</source>
        <translation>La stampante selezionata non è valida</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Al momento non è selezionata alcuna stampante predefinita</translation>
    </message>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation>Il sistema di stampa non risponde: non è stato stampato nulla. Riprovare quando è attivo</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped: nothing was printed</source>
        <translation>La stampante &quot;%1&quot; è ferma: non è stato stampato nulla</translation>
    </message>
    <message>
        <source>The results are still being printed; try again when that has finished</source>
        <translation>I risultati sono ancora in stampa; riprovare quando la stampa è terminata</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Nothing to print in results </source>
        <translation>Nulla da stampare nella cronologia </translation>
    </message>
    <message>
        <source> Clear results history </source>
        <translation> Cancella la cronologia dei risultati </translation>
    </message>
    <message>
        <source> Quick start help launching. Press the play button for speach</source>
        <translation> Avvio della guida rapida. Premere il tasto Leggi per ascoltarla</translation>
    </message>
    <message>
        <source>I am Ferrolin version 2009. </source>
        <translation>Sono Ferrolin versione 2009. </translation>
    </message>
    <message>
        <source>  My parser and speach engine are different in this version</source>
        <translation>  Il mio analizzatore e la mia voce sono diversi in questa versione</translation>
    </message>
    <message>
        <source> clear </source>
        <translation> cancella </translation>
    </message>
    <message>
        <source> recall last expression</source>
        <translation> richiama l&apos;ultima espressione</translation>
    </message>
    <message>
        <source> pi </source>
        <translation> pi </translation>
    </message>
    <message>
        <source> Eulers constant </source>
        <translation> costante di Eulero </translation>
    </message>
    <message>
        <source> left bracket </source>
        <translation> parentesi sinistra </translation>
    </message>
    <message>
        <source> comma </source>
        <translation> virgola </translation>
    </message>
    <message>
        <source> right bracket </source>
        <translation> parentesi destra </translation>
    </message>
    <message>
        <source> power </source>
        <translation> elevato a </translation>
    </message>
    <message>
        <source> divide </source>
        <translation> diviso </translation>
    </message>
    <message>
        <source> multi ply </source>
        <translation> per </translation>
    </message>
    <message>
        <source> subtract </source>
        <translation> meno </translation>
    </message>
    <message>
        <source>decimal point </source>
        <translation>virgola decimale </translation>
    </message>
    <message>
        <source> Evaluate </source>
        <translation> valuta </translation>
    </message>
    <message>
        <source>add </source>
        <translation>più </translation>
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
        <translation> gradi in radianti </translation>
    </message>
    <message>
        <source> degree to gradian </source>
        <translation> gradi in gradianti </translation>
    </message>
    <message>
        <source> degree to cycle </source>
        <translation> gradi in giri </translation>
    </message>
    <message>
        <source> radian to degree </source>
        <translation> radianti in gradi </translation>
    </message>
    <message>
        <source> radian to gradian </source>
        <translation> radianti in gradianti </translation>
    </message>
    <message>
        <source> radian to cycle </source>
        <translation> radianti in giri </translation>
    </message>
    <message>
        <source> grad to degree </source>
        <translation> gradianti in gradi </translation>
    </message>
    <message>
        <source> grad  to radian </source>
        <translation> gradianti  in radianti </translation>
    </message>
    <message>
        <source> grad to cycle </source>
        <translation> gradianti in giri </translation>
    </message>
    <message>
        <source> cycle to degree </source>
        <translation> giri in gradi </translation>
    </message>
    <message>
        <source> cycle to radian </source>
        <translation> giri in radianti </translation>
    </message>
    <message>
        <source> cycle to gradian </source>
        <translation> giri in gradianti </translation>
    </message>
    <message>
        <source> sinh </source>
        <translation> seno iperbolico </translation>
    </message>
    <message>
        <source> cosh </source>
        <translation> coseno iperbolico </translation>
    </message>
    <message>
        <source> tanh </source>
        <translation> tangente iperbolica </translation>
    </message>
    <message>
        <source> inverse sinh </source>
        <translation> settore seno iperbolico </translation>
    </message>
    <message>
        <source> inverse cosh </source>
        <translation> settore coseno iperbolico </translation>
    </message>
    <message>
        <source> inverse tanh </source>
        <translation> settore tangente iperbolica </translation>
    </message>
    <message>
        <source> logarithm to base e </source>
        <translation> logaritmo in base e </translation>
    </message>
    <message>
        <source> logarithm to base 2 </source>
        <translation> logaritmo in base 2 </translation>
    </message>
    <message>
        <source> logarithm to base 10 </source>
        <translation> logaritmo in base 10 </translation>
    </message>
    <message>
        <source> exponential </source>
        <translation> esponenziale </translation>
    </message>
    <message>
        <source> square root </source>
        <translation> radice quadrata </translation>
    </message>
    <message>
        <source> ceil </source>
        <translation> arrotonda per eccesso </translation>
    </message>
    <message>
        <source> floor </source>
        <translation> arrotonda per difetto </translation>
    </message>
    <message>
        <source> factorial </source>
        <translation> fattoriale </translation>
    </message>
    <message>
        <source> random </source>
        <translation> casuale </translation>
    </message>
    <message>
        <source> mean </source>
        <translation> media </translation>
    </message>
    <message>
        <source> standard deviation </source>
        <translation> deviazione standard </translation>
    </message>
    <message>
        <source> variance </source>
        <translation> varianza </translation>
    </message>
    <message>
        <source>Result = </source>
        <translation>Risultato = </translation>
    </message>
</context>
<context>
    <name>SpeechFailures</name>
    <message>
        <source>The speech service address &quot;%1&quot; is a network address; this program speaks only through a unix socket</source>
        <translation>L&apos;indirizzo del servizio vocale &quot;%1&quot; è un indirizzo di rete; questo programma parla solo tramite un socket unix</translation>
    </message>
    <message>
        <source>Unknown or unsupported communication method in SPEECHD_ADDRESS &quot;%1&quot;</source>
        <translation>Metodo di comunicazione sconosciuto o non supportato in SPEECHD_ADDRESS &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>File o directory inesistente</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Connessione rifiutata</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>The speech service at %1 answered something it should not: a message that never ends</source>
        <translation>Il servizio vocale su %1 ha risposto qualcosa che non dovrebbe: un messaggio che non finisce mai</translation>
    </message>
    <message>
        <source>Speech is not available: the speech service is not installed. Install the speech-dispatcher package to hear the calculator.
Can&apos;t connect to unix socket %1: %2. Autospawn: %3 could not be started: %4</source>
        <translation>La voce non è disponibile: il servizio vocale non è installato. Installare il pacchetto speech-dispatcher per ascoltare la calcolatrice.
Impossibile connettersi al socket unix %1: %2. Avvio automatico: impossibile avviare %3: %4</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: the speech service refused to start%3</source>
        <translation>Impossibile connettersi al socket unix %1: %2. Avvio automatico: il servizio vocale si è rifiutato di partire%3</translation>
    </message>
    <message>
        <source>The speech service closed the connection</source>
        <translation>Il servizio vocale ha chiuso la connessione</translation>
    </message>
    <message>
        <source>The speech service connection failed: </source>
        <translation>Connessione al servizio vocale non riuscita: </translation>
    </message>
    <message>
        <source>Autospawn disabled</source>
        <translation>Avvio automatico disattivato</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: %3</source>
        <translation>Impossibile connettersi al socket unix %1: %2. Avvio automatico: %3</translation>
    </message>
    <message>
        <source>The speech service at %1 does not answer in speech-dispatcher&apos;s protocol</source>
        <translation>Il servizio vocale su %1 non risponde nel protocollo di speech-dispatcher</translation>
    </message>
    <message>
        <source>The speech service at %1 answered a question it was not asked</source>
        <translation>Il servizio vocale su %1 ha risposto a una domanda che non gli era stata posta</translation>
    </message>
    <message>
        <source>The speech service refused %1: %2 %3</source>
        <translation>Il servizio vocale ha rifiutato %1: %2 %3</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: the speech service did not open its socket within %3 s</source>
        <translation>Impossibile connettersi al socket unix %1: %2. Avvio automatico: il servizio vocale non ha aperto il suo socket entro %3 s</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: no answer within %2 s</source>
        <translation>Impossibile connettersi al socket unix %1: nessuna risposta entro %2 s</translation>
    </message>
    <message>
        <source>The speech service at %1 did not answer within %2 s</source>
        <translation>Il servizio vocale su %1 non ha risposto entro %2 s</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Espressione</translation>
    </message>
    <message>
        <source>Type an expression and press Enter to evaluate it</source>
        <translation>Digitare un&apos;espressione e premere Invio per valutarla</translation>
    </message>
    <message>
        <source>Results history</source>
        <translation>Cronologia dei risultati</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Tastierino</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funzioni</translation>
    </message>
    <message>
        <source>Choosing a function inserts it into the expression</source>
        <translation>Scegliere una funzione la inserisce nell&apos;espressione</translation>
    </message>
</context>
<context>
    <name>ferrolin::PrintSetupDialog</name>
    <message>
        <source>The print system does not answer: the printer cannot be chosen now. Try again once it runs</source>
        <translation>Il sistema di stampa non risponde: ora non è possibile scegliere la stampante. Riprovare quando è attivo</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Imposta stampa</translation>
    </message>
    <message>
        <source>Looking for printers...</source>
        <translation>Ricerca delle stampanti...</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Lato lungo</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Lato corto</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Stampante:</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Stampante</translation>
    </message>
    <message>
        <source>Paper &amp;size:</source>
        <translation>&amp;Formato carta:</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Formato carta</translation>
    </message>
    <message>
        <source>O&amp;rientation:</source>
        <translation>O&amp;rientamento:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientamento</translation>
    </message>
    <message>
        <source>Cop&amp;ies:</source>
        <translation>&amp;Copie:</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>&amp;Two-sided:</source>
        <translation>Fronte-re&amp;tro:</translation>
    </message>
    <message>
        <source>Two-sided</source>
        <translation>Fronte-retro</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>No printer is installed: add one in the system&apos;s printer settings, then open Print Setup again</source>
        <translation>Non è installata alcuna stampante: aggiungerne una nelle impostazioni di stampa del sistema, poi riaprire Imposta stampa</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (predefinita)</translation>
    </message>
</context>
<context>
    <name>ferrolin::Printing</name>
    <message>
        <source>Printing needs the lp command of the cups-client package, and it could not be started: install cups-client, then print again
%1 could not be started (%2)</source>
        <translation>Per stampare serve il comando lp del pacchetto cups-client, che non è stato possibile avviare: installare cups-client, poi stampare di nuovo
impossibile avviare %1 (%2)</translation>
    </message>
    <message>
        <source>The print system did not take the job within %1 s: it may not be printed</source>
        <translation>Il sistema di stampa non ha accettato il lavoro entro %1 s: potrebbe non essere stampato</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the job: %2</source>
        <translation>La stampante &quot;%1&quot; ha rifiutato il lavoro: %2</translation>
    </message>
</context>
<context>
    <name>ferrolin::QtPrinting</name>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation>Il sistema di stampa non risponde: non è stato stampato nulla. Riprovare quando è attivo</translation>
    </message>
    <message>
        <source>Printing the results history...</source>
        <translation>Stampa della cronologia dei risultati...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Stampa</translation>
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
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Apre %1 nel browser web</translation>
    </message>
</context>
<context>
    <name>ferrolin::TFormHelp</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Read the guide aloud</source>
        <translation>Leggi la guida ad alta voce</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>Interrompi la lettura</translation>
    </message>
</context>
</TS>
