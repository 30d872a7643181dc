<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>by the Ferrolin developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home page (Click here)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website not available</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>%1
<byte value="xd"/>Missing left bracket &quot;(&quot; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing right bracket &quot;)&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing operand </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Unable to evaluate %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/>Invalid expression. Clear and start again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Expression nested too deeply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The expression is not valid UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Quick Start Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To use Ferrolin just enter a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mathematical expression into the top window and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>press the evaluate button i.e. the equals button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entering numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers are input using the mouse keypad or</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can be typed directly into the top expression builder window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard keys are used:-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;+&apos;  =  Addition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;-&apos;  =  Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;*&apos;  =  Multiplication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;/&apos;   = Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;^&apos;  = Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parentheses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The left and right brackets  are used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for grouping terms in a standard expression.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example:        2+(5+6)+3+(8+7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always make sure that an opening parenthesis is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>matched with a closing parenthesis or else an</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error will be raised. If this happens correct your</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expression in the top expression builder window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order of operations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The standard order of operations is used:-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1) Parentheses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(2) Multiplication, Division and Power.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(3) Addition and Subtraction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Math Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To select a function click on its name in the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list box and it is added to the top expression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>builder window. Alternatively the function name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can be typed directly into the top window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All standard trigonometry functions are available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>including sine, cosine, tangent, inverse sine (asin),</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inverse cosine (acos) and inverse tangent (atan).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example:     sin(pi/2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All angles are in radians.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Functions such as square root are included.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factorials up to 15 can be calculated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistical Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Functions for calculating the mean or average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of a set of numbers and the standard deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>are available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example: mean(1,2,3,4,5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example: stddev(1,2,3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAN =Not A Number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Start Guide text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Euler&apos;s constant e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left bracket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right bracket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>divide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>multiply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>subtract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>evaluate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>, not checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open|Opens an existing file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As|Saves the active file with a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit|Quits the application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut|Cuts the selection and puts it on the Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy|Copies the selection and puts it on the Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste|Inserts Clipboard contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All|Selects the entire document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo|Reverts the last action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete|Erases the selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quick Start Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Precision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1 Decimal Places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No program to open web pages is installed (the xdg-utils package provides one). The address is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text File|*.txt|All Files|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to the results history?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing in results history to print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No voice for this language is installed: phrases are spoken in English</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printer selected is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped: nothing was printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results are still being printed; try again when that has finished</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Nothing to print in results </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Clear results history </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Quick start help launching. Press the play button for speach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I am Ferrolin version 2009. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  My parser and speach engine are different in this version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> clear </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> recall last expression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> pi </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Eulers constant </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> left bracket </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> comma </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> right bracket </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> power </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> divide </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> multi ply </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> subtract </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decimal point </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Evaluate </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> sine </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> cosine </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> tangent </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> inverse sine </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> inverse cosine </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> inverse tangent </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> co-secant </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> secant </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> co-tangent </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> degree to radian </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> degree to gradian </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> degree to cycle </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> radian to degree </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> radian to gradian </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> radian to cycle </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> grad to degree </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> grad  to radian </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> grad to cycle </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> cycle to degree </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> cycle to radian </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> cycle to gradian </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> sinh </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> cosh </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> tanh </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> inverse sinh </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> inverse cosh </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> inverse tanh </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> logarithm to base e </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> logarithm to base 2 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> logarithm to base 10 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> exponential </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> square root </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ceil </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> floor </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> factorial </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> random </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> mean </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> standard deviation </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> variance </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result = </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type an expression and press Enter to evaluate it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choosing a function inserts it into the expression</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ferrolin::PrintSetupDialog</name>
    <message>
        <source>The print system does not answer: the printer cannot be chosen now. Try again once it runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for printers...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper &amp;size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;rientation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cop&amp;ies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Two-sided:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-sided</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed: add one in the system&apos;s printer settings, then open Print Setup again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ferrolin::Printing</name>
    <message>
        <source>Printing needs the lp command of the cups-client package, and it could not be started: install cups-client, then print again
%1 could not be started (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print system did not take the job within %1 s: it may not be printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the job: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ferrolin::QtPrinting</name>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing the results history...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ferrolin::TFormAbout</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ferrolin::TFormHelp</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the guide aloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
