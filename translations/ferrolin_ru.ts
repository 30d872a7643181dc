<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>About</name>
    <message>
        <source>by the Ferrolin developers</source>
        <translation>разработчики Ferrolin</translation>
    </message>
    <message>
        <source>Home page (Click here)</source>
        <translation>Домашняя страница (щёлкните здесь)</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Домашняя страница</translation>
    </message>
    <message>
        <source>Website not available</source>
        <translation>Веб-сайт недоступен</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>%1
<byte value="xd"/>Missing left bracket &quot;(&quot; </source>
        <translation>%1
<byte value="xd"/>Нет левой скобки &quot;(&quot; </translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing right bracket &quot;)&quot;</source>
        <translation>%1
<byte value="xd"/> Нет правой скобки &quot;)&quot;</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing operand </source>
        <translation>%1
<byte value="xd"/> Нет операнда </translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Unable to evaluate %2</source>
        <translation>%1
<byte value="xd"/> Невозможно вычислить %2</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/>Invalid expression. Clear and start again</source>
        <translation>%1
<byte value="xd"/>Неверное выражение. Очистите и начните заново</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Недопустимая операция с плавающей точкой</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Деление на ноль с плавающей точкой</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Переполнение с плавающей точкой</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; не является допустимым числом с плавающей точкой</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Expression nested too deeply</source>
        <translation>%1
<byte value="xd"/> Слишком глубокая вложенность выражения</translation>
    </message>
    <message>
        <source>The expression is not valid UTF-8 text</source>
        <translation>Выражение не является допустимым текстом UTF-8</translation>
    </message>
    <message>
        <source>Not enough parameters</source>
        <translation>Недостаточно параметров</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не удаётся открыть файл &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не удаётся создать файл &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The file is too large to show as a results history (%1 MB; the largest is %2 MB).</source>
        <translation>Файл слишком велик, чтобы показать его как журнал результатов (%1 МБ; не более %2 МБ).</translation>
    </message>
    <message>
        <source>The file starts like an RTF document but is not one.</source>
        <translation>Файл начинается как документ RTF, но им не является.</translation>
    </message>
    <message>
        <source>Its groups are nested more than %1 deep.</source>
        <translation>Его группы вложены глубже %1 уровней.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Не обычный файл</translation>
    </message>
    <message>
        <source>The history is too large for a results file that can be opened again (%1 MB; the largest is %2 MB).</source>
        <translation>Журнал слишком велик для файла результатов, который можно снова открыть (%1 МБ; не более %2 МБ).</translation>
    </message>
    <message>
        <source>Failed to Load Stream</source>
        <translation>Не удалось загрузить поток</translation>
    </message>
    <message>
        <source>Failed to Save Stream</source>
        <translation>Не удалось сохранить поток</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Quick Start Guide</source>
        <translation>Краткое руководство</translation>
    </message>
    <message>
        <source>To use Ferrolin just enter a</source>
        <translation>Чтобы пользоваться Ferrolin, просто введите</translation>
    </message>
    <message>
        <source>mathematical expression into the top window and</source>
        <translation>математическое выражение в верхнее окно и</translation>
    </message>
    <message>
        <source>press the evaluate button i.e. the equals button.</source>
        <translation>нажмите кнопку вычисления, то есть кнопку «равно».</translation>
    </message>
    <message>
        <source>Entering numbers</source>
        <translation>Ввод чисел</translation>
    </message>
    <message>
        <source>Numbers are input using the mouse keypad or</source>
        <translation>Числа вводятся с экранной клавиатуры или</translation>
    </message>
    <message>
        <source>can be typed directly into the top expression builder window.</source>
        <translation>набираются прямо в верхнем окне выражения.</translation>
    </message>
    <message>
        <source>Standard keys are used:-</source>
        <translation>Используются обычные клавиши:-</translation>
    </message>
    <message>
        <source>&apos;+&apos;  =  Addition</source>
        <translation>&apos;+&apos;  =  Сложение</translation>
    </message>
    <message>
        <source>&apos;-&apos;  =  Subtraction</source>
        <translation>&apos;-&apos;  =  Вычитание</translation>
    </message>
    <message>
        <source>&apos;*&apos;  =  Multiplication</source>
        <translation>&apos;*&apos;  =  Умножение</translation>
    </message>
    <message>
        <source>&apos;/&apos;   = Division</source>
        <translation>&apos;/&apos;   = Деление</translation>
    </message>
    <message>
        <source>&apos;^&apos;  = Power</source>
        <translation>&apos;^&apos;  = Степень</translation>
    </message>
    <message>
        <source>Parentheses</source>
        <translation>Скобки</translation>
    </message>
    <message>
        <source>The left and right brackets  are used</source>
        <translation>Левая и правая скобки служат</translation>
    </message>
    <message>
        <source>for grouping terms in a standard expression.</source>
        <translation>для группировки членов выражения.</translation>
    </message>
    <message>
        <source>Example:        2+(5+6)+3+(8+7)</source>
        <translation>Пример:        2+(5+6)+3+(8+7)</translation>
    </message>
    <message>
        <source>Always make sure that an opening parenthesis is</source>
        <translation>Следите, чтобы каждой открывающей скобке</translation>
    </message>
    <message>
        <source>matched with a closing parenthesis or else an</source>
        <translation>соответствовала закрывающая, иначе</translation>
    </message>
    <message>
        <source>error will be raised. If this happens correct your</source>
        <translation>будет выдана ошибка. В этом случае исправьте</translation>
    </message>
    <message>
        <source>expression in the top expression builder window.</source>
        <translation>выражение в верхнем окне выражения.</translation>
    </message>
    <message>
        <source>Order of operations</source>
        <translation>Порядок действий</translation>
    </message>
    <message>
        <source>The standard order of operations is used:-</source>
        <translation>Используется обычный порядок действий:-</translation>
    </message>
    <message>
        <source>(1) Parentheses.</source>
        <translation>(1) Скобки.</translation>
    </message>
    <message>
        <source>(2) Multiplication, Division and Power.</source>
        <translation>(2) Умножение, деление и степень.</translation>
    </message>
    <message>
        <source>(3) Addition and Subtraction.</source>
        <translation>(3) Сложение и вычитание.</translation>
    </message>
    <message>
        <source>Math Functions</source>
        <translation>Математические функции</translation>
    </message>
    <message>
        <source>To select a function click on its name in the</source>
        <translation>Чтобы выбрать функцию, щёлкните её имя в</translation>
    </message>
    <message>
        <source>list box and it is added to the top expression</source>
        <translation>списке, и она будет добавлена в верхнее окно</translation>
    </message>
    <message>
        <source>builder window. Alternatively the function name</source>
        <translation>выражения. Имя функции можно также</translation>
    </message>
    <message>
        <source>can be typed directly into the top window.</source>
        <translation>набрать прямо в верхнем окне.</translation>
    </message>
    <message>
        <source>All standard trigonometry functions are available</source>
        <translation>Доступны все обычные тригонометрические функции,</translation>
    </message>
    <message>
        <source>including sine, cosine, tangent, inverse sine (asin),</source>
        <translation>в том числе синус, косинус, тангенс, арксинус (asin),</translation>
    </message>
    <message>
        <source>inverse cosine (acos) and inverse tangent (atan).</source>
        <translation>арккосинус (acos) и арктангенс (atan).</translation>
    </message>
    <message>
        <source>Example:     sin(pi/2)</source>
        <translation>Пример:     sin(pi/2)</translation>
    </message>
    <message>
        <source>All angles are in radians.</source>
        <translation>Все углы задаются в радианах.</translation>
    </message>
    <message>
        <source>Other Functions</source>
        <translation>Другие функции</translation>
    </message>
    <message>
        <source>Functions such as square root are included.</source>
        <translation>Есть функции вроде квадратного корня.</translation>
    </message>
    <message>
        <source>Factorials up to 15 can be calculated.</source>
        <translation>Можно вычислять факториалы до 15.</translation>
    </message>
    <message>
        <source>Statistical Functions</source>
        <translation>Статистические функции</translation>
    </message>
    <message>
        <source>Functions for calculating the mean or average</source>
        <translation>Доступны функции для вычисления среднего</translation>
    </message>
    <message>
        <source>of a set of numbers and the standard deviation</source>
        <translation>набора чисел и стандартного отклонения</translation>
    </message>
    <message>
        <source>are available.</source>
        <translation>значения.</translation>
    </message>
    <message>
        <source>Example: mean(1,2,3,4,5)</source>
        <translation>Пример: mean(1,2,3,4,5)</translation>
    </message>
    <message>
        <source>Example: stddev(1,2,3)</source>
        <translation>Пример: stddev(1,2,3)</translation>
    </message>
    <message>
        <source>NAN =Not A Number.</source>
        <translation>NAN = не число (Not A Number).</translation>
    </message>
    <message>
        <source>Quick Start Guide text</source>
        <translation>Текст краткого руководства</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Читать</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>очистить</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Вызвать</translation>
    </message>
    <message>
        <source>recall</source>
        <translation>вызвать последнее выражение</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>Euler&apos;s constant e</source>
        <translation>число Эйлера e</translation>
    </message>
    <message>
        <source>left bracket</source>
        <translation>левая скобка</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>запятая</translation>
    </message>
    <message>
        <source>right bracket</source>
        <translation>правая скобка</translation>
    </message>
    <message>
        <source>power</source>
        <translation>степень</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>разделить</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>умножить</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>вычесть</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>десятичный разделитель</translation>
    </message>
    <message>
        <source>evaluate</source>
        <translation>вычислить</translation>
    </message>
    <message>
        <source>add</source>
        <translation>сложить</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>, not checked</source>
        <translation>, не отмечено</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Open|Opens an existing file</source>
        <translation>Открыть|Открывает существующий файл</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>Save As|Saves the active file with a new name</source>
        <translation>Сохранить как|Сохраняет файл под новым именем</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>&amp;Настройка печати...</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Настройка печати</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Exit|Quits the application</source>
        <translation>Выход|Завершает работу программы</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Вы&amp;резать</translation>
    </message>
    <message>
        <source>Cut|Cuts the selection and puts it on the Clipboard</source>
        <translation>Вырезать|Вырезает выделение и помещает его в буфер обмена</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copy|Copies the selection and puts it on the Clipboard</source>
        <translation>Копировать|Копирует выделение в буфер обмена</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>Paste|Inserts Clipboard contents</source>
        <translation>Вставить|Вставляет содержимое буфера обмена</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Выделить &amp;всё</translation>
    </message>
    <message>
        <source>Select All|Selects the entire document</source>
        <translation>Выделить всё|Выделяет весь документ</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Undo|Reverts the last action</source>
        <translation>Отменить|Отменяет последнее действие</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Delete|Erases the selection</source>
        <translation>Удалить|Стирает выделение</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>Созд&amp;ать</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation>Очистить &amp;журнал</translation>
    </message>
    <message>
        <source>&amp;Quick Start Guide</source>
        <translation>&amp;Краткое руководство</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Главное меню</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>П&amp;араметры</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Речь</translation>
    </message>
    <message>
        <source>&amp;Precision</source>
        <translation>&amp;Точность</translation>
    </message>
    <message>
        <source>&amp;%1 Decimal Places</source>
        <translation>&amp;%1 знаков после запятой</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No program to open web pages is installed (the xdg-utils package provides one). The address is %1</source>
        <translation>Не установлена программа для открытия веб-страниц (её содержит пакет xdg-utils). Адрес: %1</translation>
    </message>
    <message>
        <source>Text File|*.txt|All Files|*.*</source>
        <translation>Текстовый файл|*.txt|Все файлы|*.*</translation>
    </message>
    <message>
        <source>Save changes to the results history?</source>
        <translation>Сохранить изменения в журнале результатов?</translation>
    </message>
    <message>
        <source>Nothing in results history to print</source>
        <translation>В журнале результатов нечего печатать</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Принтер по умолчанию не выбран</translation>
    </message>
    <message>
        <source>No voice for this language is installed: phrases are spoken in English</source>
        <translation>Для этого языка не установлен голос: фразы произносятся по-английски</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Неизвестный сбой</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Выбранный принтер недопустим</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Принтер по умолчанию не выбран</translation>
    </message>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation>Система печати не отвечает: ничего не напечатано. Повторите попытку, когда она заработает</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped: nothing was printed</source>
        <translation>Принтер &quot;%1&quot; остановлен: ничего не напечатано</translation>
    </message>
    <message>
        <source>The results are still being printed; try again when that has finished</source>
        <translation>Результаты ещё печатаются; повторите попытку, когда печать закончится</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Nothing to print in results </source>
        <translation>В журнале нечего печатать </translation>
    </message>
    <message>
        <source> Clear results history </source>
        <translation> Очистить журнал результатов </translation>
    </message>
    <message>
        <source> Quick start help launching. Press the play button for speach</source>
        <translation> Запуск краткого руководства. Нажмите кнопку «Читать», чтобы прослушать</translation>
    </message>
    <message>
        <source>I am Ferrolin version 2009. </source>
        <translation>Я Ferrolin версии 2009. </translation>
    </message>
    <message>
        <source>  My parser and speach engine are different in this version</source>
        <translation>  Мой вычислитель и голос в этой версии другие</translation>
    </message>
    <message>
        <source> clear </source>
        <translation> очистить </translation>
    </message>
    <message>
        <source> recall last expression</source>
        <translation> вызвать последнее выражение</translation>
    </message>
    <message>
        <source> pi </source>
        <translation> пи </translation>
    </message>
    <message>
        <source> Eulers constant </source>
        <translation> число Эйлера </translation>
    </message>
    <message>
        <source> left bracket </source>
        <translation> левая скобка </translation>
    </message>
    <message>
        <source> comma </source>
        <translation> запятая </translation>
    </message>
    <message>
        <source> right bracket </source>
        <translation> правая скобка </translation>
    </message>
    <message>
        <source> power </source>
        <translation> в степени </translation>
    </message>
    <message>
        <source> divide </source>
        <translation> разделить на </translation>
    </message>
    <message>
        <source> multi ply </source>
        <translation> умножить на </translation>
    </message>
    <message>
        <source> subtract </source>
        <translation> минус </translation>
    </message>
    <message>
        <source>decimal point </source>
        <translation>десятичная запятая </translation>
    </message>
    <message>
        <source> Evaluate </source>
        <translation> вычислить </translation>
    </message>
    <message>
        <source>add </source>
        <translation>плюс </translation>
    </message>
    <message>
        <source> sine </source>
        <translation> синус </translation>
    </message>
    <message>
        <source> cosine </source>
        <translation> косинус </translation>
    </message>
    <message>
        <source> tangent </source>
        <translation> тангенс </translation>
    </message>
    <message>
        <source> inverse sine </source>
        <translation> арксинус </translation>
    </message>
    <message>
        <source> inverse cosine </source>
        <translation> арккосинус </translation>
    </message>
    <message>
        <source> inverse tangent </source>
        <translation> арктангенс </translation>
    </message>
    <message>
        <source> co-secant </source>
        <translation> косеканс </translation>
    </message>
    <message>
        <source> secant </source>
        <translation> секанс </translation>
    </message>
    <message>
        <source> co-tangent </source>
        <translation> котангенс </translation>
    </message>
    <message>
        <source> degree to radian </source>
        <translation> градусы в радианы </translation>
    </message>
    <message>
        <source> degree to gradian </source>
        <translation> градусы в грады </translation>
    </message>
    <message>
        <source> degree to cycle </source>
        <translation> градусы в обороты </translation>
    </message>
    <message>
        <source> radian to degree </source>
        <translation> радианы в градусы </translation>
    </message>
    <message>
        <source> radian to gradian </source>
        <translation> радианы в грады </translation>
    </message>
    <message>
        <source> radian to cycle </source>
        <translation> радианы в обороты </translation>
    </message>
    <message>
        <source> grad to degree </source>
        <translation> грады в градусы </translation>
    </message>
    <message>
        <source> grad  to radian </source>
        <translation> грады  в радианы </translation>
    </message>
    <message>
        <source> grad to cycle </source>
        <translation> грады в обороты </translation>
    </message>
    <message>
        <source> cycle to degree </source>
        <translation> обороты в градусы </translation>
    </message>
    <message>
        <source> cycle to radian </source>
        <translation> обороты в радианы </translation>
    </message>
    <message>
        <source> cycle to gradian </source>
        <translation> обороты в грады </translation>
    </message>
    <message>
        <source> sinh </source>
        <translation> гиперболический синус </translation>
    </message>
    <message>
        <source> cosh </source>
        <translation> гиперболический косинус </translation>
    </message>
    <message>
        <source> tanh </source>
        <translation> гиперболический тангенс </translation>
    </message>
    <message>
        <source> inverse sinh </source>
        <translation> ареасинус </translation>
    </message>
    <message>
        <source> inverse cosh </source>
        <translation> ареакосинус </translation>
    </message>
    <message>
        <source> inverse tanh </source>
        <translation> ареатангенс </translation>
    </message>
    <message>
        <source> logarithm to base e </source>
        <translation> логарифм по основанию e </translation>
    </message>
    <message>
        <source> logarithm to base 2 </source>
        <translation> логарифм по основанию 2 </translation>
    </message>
    <message>
        <source> logarithm to base 10 </source>
        <translation> логарифм по основанию 10 </translation>
    </message>
    <message>
        <source> exponential </source>
        <translation> экспонента </translation>
    </message>
    <message>
        <source> square root </source>
        <translation> квадратный корень </translation>
    </message>
    <message>
        <source> ceil </source>
        <translation> округление вверх </translation>
    </message>
    <message>
        <source> floor </source>
        <translation> округление вниз </translation>
    </message>
    <message>
        <source> factorial </source>
        <translation> факториал </translation>
    </message>
    <message>
        <source> random </source>
        <translation> случайное число </translation>
    </message>
    <message>
        <source> mean </source>
        <translation> среднее </translation>
    </message>
    <message>
        <source> standard deviation </source>
        <translation> стандартное отклонение </translation>
    </message>
    <message>
        <source> variance </source>
        <translation> дисперсия </translation>
    </message>
    <message>
        <source>Result = </source>
        <translation>Результат = </translation>
    </message>
</context>
<context>
    <name>SpeechFailures</name>
    <message>
        <source>The speech service address &quot;%1&quot; is a network address; this program speaks only through a unix socket</source>
        <translation>Адрес речевой службы &quot;%1&quot; является сетевым; эта программа говорит только через unix-сокет</translation>
    </message>
    <message>
        <source>Unknown or unsupported communication method in SPEECHD_ADDRESS &quot;%1&quot;</source>
        <translation>Неизвестный или неподдерживаемый способ связи в SPEECHD_ADDRESS &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Нет такого файла или каталога</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>В соединении отказано</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Отказано в доступе</translation>
    </message>
    <message>
        <source>The speech service at %1 answered something it should not: a message that never ends</source>
        <translation>Речевая служба по адресу %1 ответила то, чего не должна: сообщение без конца</translation>
    </message>
    <message>
        <source>Speech is not available: the speech service is not installed. Install the speech-dispatcher package to hear the calculator.
Can&apos;t connect to unix socket %1: %2. Autospawn: %3 could not be started: %4</source>
        <translation>Речь недоступна: речевая служба не установлена. Установите пакет speech-dispatcher, чтобы слышать калькулятор.
Не удаётся подключиться к unix-сокету %1: %2. Автозапуск: не удалось запустить %3: %4</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: the speech service refused to start%3</source>
        <translation>Не удаётся подключиться к unix-сокету %1: %2. Автозапуск: речевая служба не запустилась%3</translation>
    </message>
    <message>
        <source>The speech service closed the connection</source>
        <translation>Речевая служба закрыла соединение</translation>
    </message>
    <message>
        <source>The speech service connection failed: </source>
        <translation>Ошибка соединения с речевой службой: </translation>
    </message>
    <message>
        <source>Autospawn disabled</source>
        <translation>Автозапуск отключён</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: %3</source>
        <translation>Не удаётся подключиться к unix-сокету %1: %2. Автозапуск: %3</translation>
    </message>
    <message>
        <source>The speech service at %1 does not answer in speech-dispatcher&apos;s protocol</source>
        <translation>Речевая служба по адресу %1 отвечает не по протоколу speech-dispatcher</translation>
    </message>
    <message>
        <source>The speech service at %1 answered a question it was not asked</source>
        <translation>Речевая служба по адресу %1 ответила на вопрос, который ей не задавали</translation>
    </message>
    <message>
        <source>The speech service refused %1: %2 %3</source>
        <translation>Речевая служба отклонила %1: %2 %3</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: the speech service did not open its socket within %3 s</source>
        <translation>Не удаётся подключиться к unix-сокету %1: %2. Автозапуск: речевая служба не открыла свой сокет за %3 с</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: no answer within %2 s</source>
        <translation>Не удаётся подключиться к unix-сокету %1: нет ответа за %2 с</translation>
    </message>
    <message>
        <source>The speech service at %1 did not answer within %2 s</source>
        <translation>Речевая служба по адресу %1 не ответила за %2 с</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Выражение</translation>
    </message>
    <message>
        <source>Type an expression and press Enter to evaluate it</source>
        <translation>Введите выражение и нажмите Enter, чтобы вычислить его</translation>
    </message>
    <message>
        <source>Results history</source>
        <translation>Журнал результатов</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Функции</translation>
    </message>
    <message>
        <source>Choosing a function inserts it into the expression</source>
        <translation>Выбранная функция вставляется в выражение</translation>
    </message>
</context>
<context>
    <name>ferrolin::PrintSetupDialog</name>
    <message>
        <source>The print system does not answer: the printer cannot be chosen now. Try again once it runs</source>
        <translation>Система печати не отвечает: сейчас нельзя выбрать принтер. Повторите попытку, когда она заработает</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Настройка печати</translation>
    </message>
    <message>
        <source>Looking for printers...</source>
        <translation>Поиск принтеров...</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Книжная</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Альбомная</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>По длинному краю</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>По короткому краю</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Принтер:</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Принтер</translation>
    </message>
    <message>
        <source>Paper &amp;size:</source>
        <translation>&amp;Размер бумаги:</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Размер бумаги</translation>
    </message>
    <message>
        <source>O&amp;rientation:</source>
        <translation>Ори&amp;ентация:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ориентация</translation>
    </message>
    <message>
        <source>Cop&amp;ies:</source>
        <translation>&amp;Копии:</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Копии</translation>
    </message>
    <message>
        <source>&amp;Two-sided:</source>
        <translation>&amp;Двусторонняя:</translation>
    </message>
    <message>
        <source>Two-sided</source>
        <translation>Двусторонняя печать</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>От&amp;мена</translation>
    </message>
    <message>
        <source>No printer is installed: add one in the system&apos;s printer settings, then open Print Setup again</source>
        <translation>Принтер не установлен: добавьте его в системных настройках принтеров и снова откройте «Настройка печати»</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (по умолчанию)</translation>
    </message>
</context>
<context>
    <name>ferrolin::Printing</name>
    <message>
        <source>Printing needs the lp command of the cups-client package, and it could not be started: install cups-client, then print again
%1 could not be started (%2)</source>
        <translation>Для печати нужна команда lp из пакета cups-client, и её не удалось запустить: установите cups-client и повторите печать
не удалось запустить %1 (%2)</translation>
    </message>
    <message>
        <source>The print system did not take the job within %1 s: it may not be printed</source>
        <translation>Система печати не приняла задание за %1 с: оно может быть не напечатано</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the job: %2</source>
        <translation>Принтер &quot;%1&quot; отклонил задание: %2</translation>
    </message>
</context>
<context>
    <name>ferrolin::QtPrinting</name>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation>Система печати не отвечает: ничего не напечатано. Повторите попытку, когда она заработает</translation>
    </message>
    <message>
        <source>Printing the results history...</source>
        <translation>Печать журнала результатов...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Печать</translation>
    </message>
</context>
<context>
    <name>ferrolin::TFormAbout</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Открывает %1 в веб-браузере</translation>
    </message>
</context>
<context>
    <name>ferrolin::TFormHelp</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Read the guide aloud</source>
        <translation>Прочитать руководство вслух</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>Остановить чтение</translation>
    </message>
</context>
</TS>
