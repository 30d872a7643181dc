<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>About</name>
    <message>
        <source>by the Ferrolin developers</source>
        <translation>twórcy programu Ferrolin</translation>
    </message>
    <message>
        <source>Home page (Click here)</source>
        <translation>Strona domowa (kliknij tutaj)</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Strona domowa</translation>
    </message>
    <message>
        <source>Website not available</source>
        <translation>Witryna niedostępna</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>%1
<byte value="xd"/>Missing left bracket &quot;(&quot; </source>
        <translation>%1
<byte value="xd"/>Brak lewego nawiasu &quot;(&quot; </translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing right bracket &quot;)&quot;</source>
        <translation>%1
<byte value="xd"/> Brak prawego nawiasu &quot;)&quot;</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing operand </source>
        <translation>%1
<byte value="xd"/> Brak argumentu </translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Unable to evaluate %2</source>
        <translation>%1
<byte value="xd"/> Nie można obliczyć %2</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/>Invalid expression. Clear and start again</source>
        <translation>%1
<byte value="xd"/>Nieprawidłowe wyrażenie. Wyczyść i zacznij od nowa</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Nieprawidłowa operacja zmiennoprzecinkowa</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Zmiennoprzecinkowe dzielenie przez zero</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Przepełnienie zmiennoprzecinkowe</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; nie jest prawidłową wartością zmiennoprzecinkową</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Expression nested too deeply</source>
        <translation>%1
<byte value="xd"/> Wyrażenie jest zagnieżdżone zbyt głęboko</translation>
    </message>
    <message>
        <source>The expression is not valid UTF-8 text</source>
        <translation>Wyrażenie nie jest prawidłowym tekstem UTF-8</translation>
    </message>
    <message>
        <source>Not enough parameters</source>
        <translation>Za mało parametrów</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Nie można utworzyć pliku &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The file is too large to show as a results history (%1 MB; the largest is %2 MB).</source>
        <translation>Plik jest zbyt duży, by pokazać go jako historię wyników (%1 MB; najwyżej %2 MB).</translation>
    </message>
    <message>
        <source>The file starts like an RTF document but is not one.</source>
        <translation>Plik zaczyna się jak dokument RTF, ale nim nie jest.</translation>
    </message>
    <message>
        <source>Its groups are nested more than %1 deep.</source>
        <translation>Jego grupy są zagnieżdżone głębiej niż %1 poziomów.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>The history is too large for a results file that can be opened again (%1 MB; the largest is %2 MB).</source>
        <translation>Historia jest zbyt duża na plik wyników, który da się ponownie otworzyć (%1 MB; najwyżej %2 MB).</translation>
    </message>
    <message>
        <source>Failed to Load Stream</source>
        <translation>Nie udało się wczytać strumienia</translation>
    </message>
    <message>
        <source>Failed to Save Stream</source>
        <translation>Nie udało się zapisać strumienia</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Quick Start Guide</source>
        <translation>Szybki start</translation>
    </message>
    <message>
        <source>To use Ferrolin just enter a</source>
        <translation>Aby użyć programu Ferrolin, wpisz po prostu</translation>
    </message>
    <message>
        <source>mathematical expression into the top window and</source>
        <translation>wyrażenie matematyczne w górnym oknie i</translation>
    </message>
    <message>
        <source>press the evaluate button i.e. the equals button.</source>
        <translation>naciśnij przycisk obliczania, czyli przycisk równa się.</translation>
    </message>
    <message>
        <source>Entering numbers</source>
        <translation>Wprowadzanie liczb</translation>
    </message>
    <message>
        <source>Numbers are input using the mouse keypad or</source>
        <translation>Liczby wprowadza się klawiaturą ekranową lub</translation>
    </message>
    <message>
        <source>can be typed directly into the top expression builder window.</source>
        <translation>wpisuje bezpośrednio w górnym oknie wyrażenia.</translation>
    </message>
    <message>
        <source>Standard keys are used:-</source>
        <translation>Używane są zwykłe klawisze:-</translation>
    </message>
    <message>
        <source>&apos;+&apos;  =  Addition</source>
        <translation>&apos;+&apos;  =  Dodawanie</translation>
    </message>
    <message>
        <source>&apos;-&apos;  =  Subtraction</source>
        <translation>&apos;-&apos;  =  Odejmowanie</translation>
    </message>
    <message>
        <source>&apos;*&apos;  =  Multiplication</source>
        <translation>&apos;*&apos;  =  Mnożenie</translation>
    </message>
    <message>
        <source>&apos;/&apos;   = Division</source>
        <translation>&apos;/&apos;   = Dzielenie</translation>
    </message>
    <message>
        <source>&apos;^&apos;  = Power</source>
        <translation>&apos;^&apos;  = Potęgowanie</translation>
    </message>
    <message>
        <source>Parentheses</source>
        <translation>Nawiasy</translation>
    </message>
    <message>
        <source>The left and right brackets  are used</source>
        <translation>Lewy i prawy nawias służą</translation>
    </message>
    <message>
        <source>for grouping terms in a standard expression.</source>
        <translation>do grupowania składników wyrażenia.</translation>
    </message>
    <message>
        <source>Example:        2+(5+6)+3+(8+7)</source>
        <translation>Przykład:        2+(5+6)+3+(8+7)</translation>
    </message>
    <message>
        <source>Always make sure that an opening parenthesis is</source>
        <translation>Upewnij się, że każdy nawias otwierający</translation>
    </message>
    <message>
        <source>matched with a closing parenthesis or else an</source>
        <translation>ma swój nawias zamykający, w przeciwnym razie</translation>
    </message>
    <message>
        <source>error will be raised. If this happens correct your</source>
        <translation>zostanie zgłoszony błąd. Wtedy popraw</translation>
    </message>
    <message>
        <source>expression in the top expression builder window.</source>
        <translation>wyrażenie w górnym oknie wyrażenia.</translation>
    </message>
    <message>
        <source>Order of operations</source>
        <translation>Kolejność działań</translation>
    </message>
    <message>
        <source>The standard order of operations is used:-</source>
        <translation>Obowiązuje zwykła kolejność działań:-</translation>
    </message>
    <message>
        <source>(1) Parentheses.</source>
        <translation>(1) Nawiasy.</translation>
    </message>
    <message>
        <source>(2) Multiplication, Division and Power.</source>
        <translation>(2) Mnożenie, dzielenie i potęgowanie.</translation>
    </message>
    <message>
        <source>(3) Addition and Subtraction.</source>
        <translation>(3) Dodawanie i odejmowanie.</translation>
    </message>
    <message>
        <source>Math Functions</source>
        <translation>Funkcje matematyczne</translation>
    </message>
    <message>
        <source>To select a function click on its name in the</source>
        <translation>Aby wybrać funkcję, kliknij jej nazwę na</translation>
    </message>
    <message>
        <source>list box and it is added to the top expression</source>
        <translation>liście, a zostanie dodana do górnego okna</translation>
    </message>
    <message>
        <source>builder window. Alternatively the function name</source>
        <translation>wyrażenia. Nazwę funkcji można też</translation>
    </message>
    <message>
        <source>can be typed directly into the top window.</source>
        <translation>wpisać bezpośrednio w górnym oknie.</translation>
    </message>
    <message>
        <source>All standard trigonometry functions are available</source>
        <translation>Dostępne są wszystkie zwykłe funkcje trygonometryczne,</translation>
    </message>
    <message>
        <source>including sine, cosine, tangent, inverse sine (asin),</source>
        <translation>w tym sinus, cosinus, tangens, arcus sinus (asin),</translation>
    </message>
    <message>
        <source>inverse cosine (acos) and inverse tangent (atan).</source>
        <translation>arcus cosinus (acos) i arcus tangens (atan).</translation>
    </message>
    <message>
        <source>Example:     sin(pi/2)</source>
        <translation>Przykład:     sin(pi/2)</translation>
    </message>
    <message>
        <source>All angles are in radians.</source>
        <translation>Wszystkie kąty są w radianach.</translation>
    </message>
    <message>
        <source>Other Functions</source>
        <translation>Inne funkcje</translation>
    </message>
    <message>
        <source>Functions such as square root are included.</source>
        <translation>Dostępne są funkcje takie jak pierwiastek kwadratowy.</translation>
    </message>
    <message>
        <source>Factorials up to 15 can be calculated.</source>
        <translation>Można obliczać silnie do 15.</translation>
    </message>
    <message>
        <source>Statistical Functions</source>
        <translation>Funkcje statystyczne</translation>
    </message>
    <message>
        <source>Functions for calculating the mean or average</source>
        <translation>Funkcje do obliczania średniej</translation>
    </message>
    <message>
        <source>of a set of numbers and the standard deviation</source>
        <translation>zbioru liczb i odchylenia standardowego</translation>
    </message>
    <message>
        <source>are available.</source>
        <translation>są dostępne.</translation>
    </message>
    <message>
        <source>Example: mean(1,2,3,4,5)</source>
        <translation>Przykład: mean(1,2,3,4,5)</translation>
    </message>
    <message>
        <source>Example: stddev(1,2,3)</source>
        <translation>Przykład: stddev(1,2,3)</translation>
    </message>
    <message>
        <source>NAN =Not A Number.</source>
        <translation>NAN = nie liczba (Not A Number).</translation>
    </message>
    <message>
        <source>Quick Start Guide text</source>
        <translation>Tekst szybkiego startu</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Czytaj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>wyczyść</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Przywołaj</translation>
    </message>
    <message>
        <source>recall</source>
        <translation>przywołaj ostatnie wyrażenie</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>Euler&apos;s constant e</source>
        <translation>stała Eulera e</translation>
    </message>
    <message>
        <source>left bracket</source>
        <translation>lewy nawias</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>przecinek</translation>
    </message>
    <message>
        <source>right bracket</source>
        <translation>prawy nawias</translation>
    </message>
    <message>
        <source>power</source>
        <translation>potęga</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>dziel</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>mnóż</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>odejmij</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>separator dziesiętny</translation>
    </message>
    <message>
        <source>evaluate</source>
        <translation>oblicz</translation>
    </message>
    <message>
        <source>add</source>
        <translation>dodaj</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>, not checked</source>
        <translation>, nie zaznaczono</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Open|Opens an existing file</source>
        <translation>Otwórz|Otwiera istniejący plik</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>Save As|Saves the active file with a new name</source>
        <translation>Zapisz jako|Zapisuje plik pod nową nazwą</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>&amp;Ustawienia drukowania...</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Ustawienia drukowania</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Exit|Quits the application</source>
        <translation>Zakończ|Zamyka program</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Wy&amp;tnij</translation>
    </message>
    <message>
        <source>Cut|Cuts the selection and puts it on the Clipboard</source>
        <translation>Wytnij|Wycina zaznaczenie i umieszcza je w schowku</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Copy|Copies the selection and puts it on the Clipboard</source>
        <translation>Kopiuj|Kopiuje zaznaczenie do schowka</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>Paste|Inserts Clipboard contents</source>
        <translation>Wklej|Wstawia zawartość schowka</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Zaznacz w&amp;szystko</translation>
    </message>
    <message>
        <source>Select All|Selects the entire document</source>
        <translation>Zaznacz wszystko|Zaznacza cały dokument</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Undo|Reverts the last action</source>
        <translation>Cofnij|Cofa ostatnią czynność</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Delete|Erases the selection</source>
        <translation>Usuń|Usuwa zaznaczenie</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation>Wyczyść &amp;historię</translation>
    </message>
    <message>
        <source>&amp;Quick Start Guide</source>
        <translation>&amp;Szybki start</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu główne</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Mowa</translation>
    </message>
    <message>
        <source>&amp;Precision</source>
        <translation>&amp;Dokładność</translation>
    </message>
    <message>
        <source>&amp;%1 Decimal Places</source>
        <translation>&amp;%1 miejsc po przecinku</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No program to open web pages is installed (the xdg-utils package provides one). The address is %1</source>
        <translation>Nie zainstalowano programu do otwierania stron internetowych (zawiera go pakiet xdg-utils). Adres: %1</translation>
    </message>
    <message>
        <source>Text File|*.txt|All Files|*.*</source>
        <translation>Plik tekstowy|*.txt|Wszystkie pliki|*.*</translation>
    </message>
    <message>
        <source>Save changes to the results history?</source>
        <translation>Zapisać zmiany w historii wyników?</translation>
    </message>
    <message>
        <source>Nothing in results history to print</source>
        <translation>W historii wyników nie ma nic do wydrukowania</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nie wybrano drukarki domyślnej</translation>
    </message>
    <message>
        <source>No voice for this language is installed: phrases are spoken in English</source>
        <translation>Dla tego języka nie zainstalowano głosu: komunikaty są wypowiadane po angielsku</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Wybrana drukarka jest nieprawidłowa</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nie wybrano drukarki domyślnej</translation>
    </message>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation>System drukowania nie odpowiada: nic nie wydrukowano. Spróbuj ponownie, gdy zacznie działać</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped: nothing was printed</source>
        <translation>Drukarka &quot;%1&quot; jest zatrzymana: nic nie wydrukowano</translation>
    </message>
    <message>
        <source>The results are still being printed; try again when that has finished</source>
        <translation>Wyniki wciąż są drukowane; spróbuj ponownie, gdy drukowanie się skończy</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Nothing to print in results </source>
        <translation>Nic do wydrukowania w historii </translation>
    </message>
    <message>
        <source> Clear results history </source>
        <translation> Wyczyść historię wyników </translation>
    </message>
    <message>
        <source> Quick start help launching. Press the play button for speach</source>
        <translation> Uruchamianie szybkiego startu. Naciśnij przycisk Czytaj, aby posłuchać</translation>
    </message>
    <message>
        <source>I am Ferrolin version 2009. </source>
        <translation>Jestem Ferrolin w wersji 2009. </translation>
    </message>
    <message>
        <source>  My parser and speach engine are different in this version</source>
        <translation>  Mój analizator i głos są w tej wersji inne</translation>
    </message>
    <message>
        <source> clear </source>
        <translation> wyczyść </translation>
    </message>
    <message>
        <source> recall last expression</source>
        <translation> przywołaj ostatnie wyrażenie</translation>
    </message>
    <message>
        <source> pi </source>
        <translation> pi </translation>
    </message>
    <message>
        <source> Eulers constant </source>
        <translation> stała Eulera </translation>
    </message>
    <message>
        <source> left bracket </source>
        <translation> lewy nawias </translation>
    </message>
    <message>
        <source> comma </source>
        <translation> przecinek </translation>
    </message>
    <message>
        <source> right bracket </source>
        <translation> prawy nawias </translation>
    </message>
    <message>
        <source> power </source>
        <translation> do potęgi </translation>
    </message>
    <message>
        <source> divide </source>
        <translation> podzielić przez </translation>
    </message>
    <message>
        <source> multi ply </source>
        <translation> razy </translation>
    </message>
    <message>
        <source> subtract </source>
        <translation> minus </translation>
    </message>
    <message>
        <source>decimal point </source>
        <translation>przecinek dziesiętny </translation>
    </message>
    <message>
        <source> Evaluate </source>
        <translation> oblicz </translation>
    </message>
    <message>
        <source>add </source>
        <translation>plus </translation>
    </message>
    <message>
        <source> sine </source>
        <translation> sinus </translation>
    </message>
    <message>
        <source> cosine </source>
        <translation> cosinus </translation>
    </message>
    <message>
        <source> tangent </source>
        <translation> tangens </translation>
    </message>
    <message>
        <source> inverse sine </source>
        <translation> arcus sinus </translation>
    </message>
    <message>
        <source> inverse cosine </source>
        <translation> arcus cosinus </translation>
    </message>
    <message>
        <source> inverse tangent </source>
        <translation> arcus tangens </translation>
    </message>
    <message>
        <source> co-secant </source>
        <translation> cosecans </translation>
    </message>
    <message>
        <source> secant </source>
        <translation> secans </translation>
    </message>
    <message>
        <source> co-tangent </source>
        <translation> cotangens </translation>
    </message>
    <message>
        <source> degree to radian </source>
        <translation> stopnie na radiany </translation>
    </message>
    <message>
        <source> degree to gradian </source>
        <translation> stopnie na grady </translation>
    </message>
    <message>
        <source> degree to cycle </source>
        <translation> stopnie na obroty </translation>
    </message>
    <message>
        <source> radian to degree </source>
        <translation> radiany na stopnie </translation>
    </message>
    <message>
        <source> radian to gradian </source>
        <translation> radiany na grady </translation>
    </message>
    <message>
        <source> radian to cycle </source>
        <translation> radiany na obroty </translation>
    </message>
    <message>
        <source> grad to degree </source>
        <translation> grady na stopnie </translation>
    </message>
    <message>
        <source> grad  to radian </source>
        <translation> grady  na radiany </translation>
    </message>
    <message>
        <source> grad to cycle </source>
        <translation> grady na obroty </translation>
    </message>
    <message>
        <source> cycle to degree </source>
        <translation> obroty na stopnie </translation>
    </message>
    <message>
        <source> cycle to radian </source>
        <translation> obroty na radiany </translation>
    </message>
    <message>
        <source> cycle to gradian </source>
        <translation> obroty na grady </translation>
    </message>
    <message>
        <source> sinh </source>
        <translation> sinus hiperboliczny </translation>
    </message>
    <message>
        <source> cosh </source>
        <translation> cosinus hiperboliczny </translation>
    </message>
    <message>
        <source> tanh </source>
        <translation> tangens hiperboliczny </translation>
    </message>
    <message>
        <source> inverse sinh </source>
        <translation> area sinus </translation>
    </message>
    <message>
        <source> inverse cosh </source>
        <translation> area cosinus </translation>
    </message>
    <message>
        <source> inverse tanh </source>
        <translation> area tangens </translation>
    </message>
    <message>
        <source> logarithm to base e </source>
        <translation> logarytm o podstawie e </translation>
    </message>
    <message>
        <source> logarithm to base 2 </source>
        <translation> logarytm o podstawie 2 </translation>
    </message>
    <message>
        <source> logarithm to base 10 </source>
        <translation> logarytm o podstawie 10 </translation>
    </message>
    <message>
        <source> exponential </source>
        <translation> funkcja wykładnicza </translation>
    </message>
    <message>
        <source> square root </source>
        <translation> pierwiastek kwadratowy </translation>
    </message>
    <message>
        <source> ceil </source>
        <translation> zaokrąglenie w górę </translation>
    </message>
    <message>
        <source> floor </source>
        <translation> zaokrąglenie w dół </translation>
    </message>
    <message>
        <source> factorial </source>
        <translation> silnia </translation>
    </message>
    <message>
        <source> random </source>
        <translation> liczba losowa </translation>
    </message>
    <message>
        <source> mean </source>
        <translation> średnia </translation>
    </message>
    <message>
        <source> standard deviation </source>
        <translation> odchylenie standardowe </translation>
    </message>
    <message>
        <source> variance </source>
        <translation> wariancja </translation>
    </message>
    <message>
        <source>Result = </source>
        <translation>Wynik = </translation>
    </message>
</context>
<context>
    <name>SpeechFailures</name>
    <message>
        <source>The speech service address &quot;%1&quot; is a network address; this program speaks only through a unix socket</source>
        <translation>Adres usługi mowy &quot;%1&quot; jest adresem sieciowym; ten program mówi tylko przez gniazdo unix</translation>
    </message>
    <message>
        <source>Unknown or unsupported communication method in SPEECHD_ADDRESS &quot;%1&quot;</source>
        <translation>Nieznana lub nieobsługiwana metoda komunikacji w SPEECHD_ADDRESS &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Nie ma takiego pliku ani katalogu</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Połączenie odrzucone</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Brak uprawnień</translation>
    </message>
    <message>
        <source>The speech service at %1 answered something it should not: a message that never ends</source>
        <translation>Usługa mowy pod %1 odpowiedziała czymś, czym nie powinna: komunikatem bez końca</translation>
    </message>
    <message>
        <source>Speech is not available: the speech service is not installed. Install the speech-dispatcher package to hear the calculator.
Can&apos;t connect to unix socket %1: %2. Autospawn: %3 could not be started: %4</source>
        <translation>Mowa jest niedostępna: usługa mowy nie jest zainstalowana. Zainstaluj pakiet speech-dispatcher, aby słyszeć kalkulator.
Nie można połączyć z gniazdem unix %1: %2. Autostart: nie udało się uruchomić %3: %4</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: the speech service refused to start%3</source>
        <translation>Nie można połączyć z gniazdem unix %1: %2. Autostart: usługa mowy odmówiła uruchomienia%3</translation>
    </message>
    <message>
        <source>The speech service closed the connection</source>
        <translation>Usługa mowy zamknęła połączenie</translation>
    </message>
    <message>
        <source>The speech service connection failed: </source>
        <translation>Połączenie z usługą mowy nie powiodło się: </translation>
    </message>
    <message>
        <source>Autospawn disabled</source>
        <translation>Autostart wyłączony</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: %3</source>
        <translation>Nie można połączyć z gniazdem unix %1: %2. Autostart: %3</translation>
    </message>
    <message>
        <source>The speech service at %1 does not answer in speech-dispatcher&apos;s protocol</source>
        <translation>Usługa mowy pod %1 nie odpowiada w protokole speech-dispatcher</translation>
    </message>
    <message>
        <source>The speech service at %1 answered a question it was not asked</source>
        <translation>Usługa mowy pod %1 odpowiedziała na pytanie, którego jej nie zadano</translation>
    </message>
    <message>
        <source>The speech service refused %1: %2 %3</source>
        <translation>Usługa mowy odrzuciła %1: %2 %3</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: the speech service did not open its socket within %3 s</source>
        <translation>Nie można połączyć z gniazdem unix %1: %2. Autostart: usługa mowy nie otworzyła gniazda w ciągu %3 s</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: no answer within %2 s</source>
        <translation>Nie można połączyć z gniazdem unix %1: brak odpowiedzi w ciągu %2 s</translation>
    </message>
    <message>
        <source>The speech service at %1 did not answer within %2 s</source>
        <translation>Usługa mowy pod %1 nie odpowiedziała w ciągu %2 s</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Wyrażenie</translation>
    </message>
    <message>
        <source>Type an expression and press Enter to evaluate it</source>
        <translation>Wpisz wyrażenie i naciśnij Enter, aby je obliczyć</translation>
    </message>
    <message>
        <source>Results history</source>
        <translation>Historia wyników</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funkcje</translation>
    </message>
    <message>
        <source>Choosing a function inserts it into the expression</source>
        <translation>Wybrana funkcja zostaje wstawiona do wyrażenia</translation>
    </message>
</context>
<context>
    <name>ferrolin::PrintSetupDialog</name>
    <message>
        <source>The print system does not answer: the printer cannot be chosen now. Try again once it runs</source>
        <translation>System drukowania nie odpowiada: teraz nie można wybrać drukarki. Spróbuj ponownie, gdy zacznie działać</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Ustawienia drukowania</translation>
    </message>
    <message>
        <source>Looking for printers...</source>
        <translation>Wyszukiwanie drukarek...</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Pionowo</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Poziomo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Wzdłuż dłuższej krawędzi</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Wzdłuż krótszej krawędzi</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Drukarka:</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drukarka</translation>
    </message>
    <message>
        <source>Paper &amp;size:</source>
        <translation>&amp;Rozmiar papieru:</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Rozmiar papieru</translation>
    </message>
    <message>
        <source>O&amp;rientation:</source>
        <translation>Orien&amp;tacja:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientacja</translation>
    </message>
    <message>
        <source>Cop&amp;ies:</source>
        <translation>&amp;Kopie:</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Kopie</translation>
    </message>
    <message>
        <source>&amp;Two-sided:</source>
        <translation>D&amp;wustronnie:</translation>
    </message>
    <message>
        <source>Two-sided</source>
        <translation>Dwustronnie</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>No printer is installed: add one in the system&apos;s printer settings, then open Print Setup again</source>
        <translation>Nie zainstalowano drukarki: dodaj ją w systemowych ustawieniach drukarek, a potem ponownie otwórz Ustawienia drukowania</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (domyślna)</translation>
    </message>
</context>
<context>
    <name>ferrolin::Printing</name>
    <message>
        <source>Printing needs the lp command of the cups-client package, and it could not be started: install cups-client, then print again
%1 could not be started (%2)</source>
        <translation>Drukowanie wymaga polecenia lp z pakietu cups-client, którego nie udało się uruchomić: zainstaluj cups-client i wydrukuj ponownie
nie udało się uruchomić %1 (%2)</translation>
    </message>
    <message>
        <source>The print system did not take the job within %1 s: it may not be printed</source>
        <translation>System drukowania nie przyjął zadania w ciągu %1 s: może nie zostać wydrukowane</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the job: %2</source>
        <translation>Drukarka &quot;%1&quot; odrzuciła zadanie: %2</translation>
    </message>
</context>
<context>
    <name>ferrolin::QtPrinting</name>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation>System drukowania nie odpowiada: nic nie wydrukowano. Spróbuj ponownie, gdy zacznie działać</translation>
    </message>
    <message>
        <source>Printing the results history...</source>
        <translation>Drukowanie historii wyników...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drukowanie</translation>
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
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Otwiera %1 w przeglądarce</translation>
    </message>
</context>
<context>
    <name>ferrolin::TFormHelp</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Read the guide aloud</source>
        <translation>Przeczytaj przewodnik na głos</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>Przestań czytać</translation>
    </message>
</context>
</TS>
