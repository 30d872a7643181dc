<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>by the Ferrolin developers</source>
        <translation>Ferrolin 开发者</translation>
    </message>
    <message>
        <source>Home page (Click here)</source>
        <translation>主页（点击此处）</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Website not available</source>
        <translation>网站无法访问</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>%1
<byte value="xd"/>Missing left bracket &quot;(&quot; </source>
        <translation>%1
<byte value="xd"/>缺少左括号“(” </translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing right bracket &quot;)&quot;</source>
        <translation>%1
<byte value="xd"/> 缺少右括号“)”</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing operand </source>
        <translation>%1
<byte value="xd"/> 缺少操作数 </translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Unable to evaluate %2</source>
        <translation>%1
<byte value="xd"/> 无法求值 %2</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/>Invalid expression. Clear and start again</source>
        <translation>%1
<byte value="xd"/>表达式无效。请清除后重新开始</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>无效的浮点运算</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>浮点除以零</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>浮点溢出</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>“%1”不是有效的浮点数值</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Expression nested too deeply</source>
        <translation>%1
<byte value="xd"/> 表达式嵌套过深</translation>
    </message>
    <message>
        <source>The expression is not valid UTF-8 text</source>
        <translation>表达式不是有效的 UTF-8 文本</translation>
    </message>
    <message>
        <source>Not enough parameters</source>
        <translation>参数不足</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>无法创建文件“%1”。%2</translation>
    </message>
    <message>
        <source>The file is too large to show as a results history (%1 MB; the largest is %2 MB).</source>
        <translation>文件太大，无法显示为结果历史（%1 MB；最大 %2 MB）。</translation>
    </message>
    <message>
        <source>The file starts like an RTF document but is not one.</source>
        <translation>文件开头像 RTF 文档，但并不是。</translation>
    </message>
    <message>
        <source>Its groups are nested more than %1 deep.</source>
        <translation>其分组嵌套超过 %1 层。</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>The history is too large for a results file that can be opened again (%1 MB; the largest is %2 MB).</source>
        <translation>历史太大，无法写成能再次打开的结果文件（%1 MB；最大 %2 MB）。</translation>
    </message>
    <message>
        <source>Failed to Load Stream</source>
        <translation>加载数据流失败</translation>
    </message>
    <message>
        <source>Failed to Save Stream</source>
        <translation>保存数据流失败</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Quick Start Guide</source>
        <translation>快速入门</translation>
    </message>
    <message>
        <source>To use Ferrolin just enter a</source>
        <translation>使用 Ferrolin 时，只需在上方窗口中</translation>
    </message>
    <message>
        <source>mathematical expression into the top window and</source>
        <translation>输入一个数学表达式，然后</translation>
    </message>
    <message>
        <source>press the evaluate button i.e. the equals button.</source>
        <translation>按求值按钮，即等号按钮。</translation>
    </message>
    <message>
        <source>Entering numbers</source>
        <translation>输入数字</translation>
    </message>
    <message>
        <source>Numbers are input using the mouse keypad or</source>
        <translation>数字可以用屏幕键盘输入，或者</translation>
    </message>
    <message>
        <source>can be typed directly into the top expression builder window.</source>
        <translation>直接键入上方的表达式窗口。</translation>
    </message>
    <message>
        <source>Standard keys are used:-</source>
        <translation>使用标准按键：-</translation>
    </message>
    <message>
        <source>&apos;+&apos;  =  Addition</source>
        <translation>&apos;+&apos;  =  加法</translation>
    </message>
    <message>
        <source>&apos;-&apos;  =  Subtraction</source>
        <translation>&apos;-&apos;  =  减法</translation>
    </message>
    <message>
        <source>&apos;*&apos;  =  Multiplication</source>
        <translation>&apos;*&apos;  =  乘法</translation>
    </message>
    <message>
        <source>&apos;/&apos;   = Division</source>
        <translation>&apos;/&apos;   = 除法</translation>
    </message>
    <message>
        <source>&apos;^&apos;  = Power</source>
        <translation>&apos;^&apos;  = 乘方</translation>
    </message>
    <message>
        <source>Parentheses</source>
        <translation>括号</translation>
    </message>
    <message>
        <source>The left and right brackets  are used</source>
        <translation>左括号和右括号用于</translation>
    </message>
    <message>
        <source>for grouping terms in a standard expression.</source>
        <translation>在表达式中对各项分组。</translation>
    </message>
    <message>
        <source>Example:        2+(5+6)+3+(8+7)</source>
        <translation>示例：        2+(5+6)+3+(8+7)</translation>
    </message>
    <message>
        <source>Always make sure that an opening parenthesis is</source>
        <translation>务必使每个左括号</translation>
    </message>
    <message>
        <source>matched with a closing parenthesis or else an</source>
        <translation>都有对应的右括号，否则</translation>
    </message>
    <message>
        <source>error will be raised. If this happens correct your</source>
        <translation>会报错。出现这种情况时，请在上方的</translation>
    </message>
    <message>
        <source>expression in the top expression builder window.</source>
        <translation>表达式窗口中更正表达式。</translation>
    </message>
    <message>
        <source>Order of operations</source>
        <translation>运算顺序</translation>
    </message>
    <message>
        <source>The standard order of operations is used:-</source>
        <translation>使用标准的运算顺序：-</translation>
    </message>
    <message>
        <source>(1) Parentheses.</source>
        <translation>(1) 括号。</translation>
    </message>
    <message>
        <source>(2) Multiplication, Division and Power.</source>
        <translation>(2) 乘法、除法和乘方。</translation>
    </message>
    <message>
        <source>(3) Addition and Subtraction.</source>
        <translation>(3) 加法和减法。</translation>
    </message>
    <message>
        <source>Math Functions</source>
        <translation>数学函数</translation>
    </message>
    <message>
        <source>To select a function click on its name in the</source>
        <translation>要选择函数，请在列表框中</translation>
    </message>
    <message>
        <source>list box and it is added to the top expression</source>
        <translation>单击其名称，它会被添加到上方的</translation>
    </message>
    <message>
        <source>builder window. Alternatively the function name</source>
        <translation>表达式窗口。也可以将函数名</translation>
    </message>
    <message>
        <source>can be typed directly into the top window.</source>
        <translation>直接键入上方窗口。</translation>
    </message>
    <message>
        <source>All standard trigonometry functions are available</source>
        <translation>提供所有标准三角函数，</translation>
    </message>
    <message>
        <source>including sine, cosine, tangent, inverse sine (asin),</source>
        <translation>包括正弦、余弦、正切、反正弦 (asin)、</translation>
    </message>
    <message>
        <source>inverse cosine (acos) and inverse tangent (atan).</source>
        <translation>反余弦 (acos) 和反正切 (atan)。</translation>
    </message>
    <message>
        <source>Example:     sin(pi/2)</source>
        <translation>示例：     sin(pi/2)</translation>
    </message>
    <message>
        <source>All angles are in radians.</source>
        <translation>所有角度均以弧度为单位。</translation>
    </message>
    <message>
        <source>Other Functions</source>
        <translation>其他函数</translation>
    </message>
    <message>
        <source>Functions such as square root are included.</source>
        <translation>包含平方根等函数。</translation>
    </message>
    <message>
        <source>Factorials up to 15 can be calculated.</source>
        <translation>可以计算不超过 15 的阶乘。</translation>
    </message>
    <message>
        <source>Statistical Functions</source>
        <translation>统计函数</translation>
    </message>
    <message>
        <source>Functions for calculating the mean or average</source>
        <translation>提供计算一组数字的</translation>
    </message>
    <message>
        <source>of a set of numbers and the standard deviation</source>
        <translation>平均值和标准差的</translation>
    </message>
    <message>
        <source>are available.</source>
        <translation>函数。</translation>
    </message>
    <message>
        <source>Example: mean(1,2,3,4,5)</source>
        <translation>示例：mean(1,2,3,4,5)</translation>
    </message>
    <message>
        <source>Example: stddev(1,2,3)</source>
        <translation>示例：stddev(1,2,3)</translation>
    </message>
    <message>
        <source>NAN =Not A Number.</source>
        <translation>NAN = 非数字 (Not A Number)。</translation>
    </message>
    <message>
        <source>Quick Start Guide text</source>
        <translation>快速入门文本</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>朗读</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>调回</translation>
    </message>
    <message>
        <source>recall</source>
        <translation>调回上一个表达式</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>Euler&apos;s constant e</source>
        <translation>欧拉常数 e</translation>
    </message>
    <message>
        <source>left bracket</source>
        <translation>左括号</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>逗号</translation>
    </message>
    <message>
        <source>right bracket</source>
        <translation>右括号</translation>
    </message>
    <message>
        <source>power</source>
        <translation>乘方</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>除</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>乘</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>减</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>evaluate</source>
        <translation>求值</translation>
    </message>
    <message>
        <source>add</source>
        <translation>加</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>, not checked</source>
        <translation>，未选中</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open|Opens an existing file</source>
        <translation>打开|打开现有文件</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save As|Saves the active file with a new name</source>
        <translation>另存为|以新名称保存当前文件</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>打印设置(&amp;U)...</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>打印设置</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Exit|Quits the application</source>
        <translation>退出|退出应用程序</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Cut|Cuts the selection and puts it on the Clipboard</source>
        <translation>剪切|剪切所选内容并放到剪贴板</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy|Copies the selection and puts it on the Clipboard</source>
        <translation>复制|复制所选内容并放到剪贴板</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Paste|Inserts Clipboard contents</source>
        <translation>粘贴|插入剪贴板内容</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>Select All|Selects the entire document</source>
        <translation>全选|选择整个文档</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undo|Reverts the last action</source>
        <translation>撤销|撤销上一个操作</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete|Erases the selection</source>
        <translation>删除|删除所选内容</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation>清除历史(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Quick Start Guide</source>
        <translation>快速入门(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>主菜单</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>语音(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Precision</source>
        <translation>精度(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;%1 Decimal Places</source>
        <translation>&amp;%1 位小数</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No program to open web pages is installed (the xdg-utils package provides one). The address is %1</source>
        <translation>未安装打开网页的程序（xdg-utils 软件包提供一个）。地址是 %1</translation>
    </message>
    <message>
        <source>Text File|*.txt|All Files|*.*</source>
        <translation>文本文件|*.txt|所有文件|*.*</translation>
    </message>
    <message>
        <source>Save changes to the results history?</source>
        <translation>保存对结果历史的更改吗？</translation>
    </message>
    <message>
        <source>Nothing in results history to print</source>
        <translation>结果历史中没有可打印的内容</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>当前未选择默认打印机</translation>
    </message>
    <message>
        <source>No voice for this language is installed: phrases are spoken in English</source>
        <translation>未安装此语言的语音：短语将以英语朗读</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printer selected is not valid</source>
        <translation>所选打印机无效</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>当前未选择默认打印机</translation>
    </message>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation>打印系统没有响应：没有打印任何内容。请在它运行后重试</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped: nothing was printed</source>
        <translation>打印机“%1”已停止：没有打印任何内容</translation>
    </message>
    <message>
        <source>The results are still being printed; try again when that has finished</source>
        <translation>结果仍在打印中；请在打印完成后重试</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Nothing to print in results </source>
        <translation>结果中没有可打印的内容 </translation>
    </message>
    <message>
        <source> Clear results history </source>
        <translation> 清除结果历史 </translation>
    </message>
    <message>
        <source> Quick start help launching. Press the play button for speach</source>
        <translation> 正在打开快速入门。按朗读按钮收听</translation>
    </message>
    <message>
        <source>I am Ferrolin version 2009. </source>
        <translation>我是 Ferrolin 2009 版。 </translation>
    </message>
    <message>
        <source>  My parser and speach engine are different in this version</source>
        <translation>  此版本中我的解析器和语音引擎有所不同</translation>
    </message>
    <message>
        <source> clear </source>
        <translation> 清除 </translation>
    </message>
    <message>
        <source> recall last expression</source>
        <translation> 调回上一个表达式</translation>
    </message>
    <message>
        <source> pi </source>
        <translation> pi </translation>
    </message>
    <message>
        <source> Eulers constant </source>
        <translation> 欧拉常数 </translation>
    </message>
    <message>
        <source> left bracket </source>
        <translation> 左括号 </translation>
    </message>
    <message>
        <source> comma </source>
        <translation> 逗号 </translation>
    </message>
    <message>
        <source> right bracket </source>
        <translation> 右括号 </translation>
    </message>
    <message>
        <source> power </source>
        <translation> 乘方 </translation>
    </message>
    <message>
        <source> divide </source>
        <translation> 除以 </translation>
    </message>
    <message>
        <source> multi ply </source>
        <translation> 乘以 </translation>
    </message>
    <message>
        <source> subtract </source>
        <translation> 减 </translation>
    </message>
    <message>
        <source>decimal point </source>
        <translation>小数点 </translation>
    </message>
    <message>
        <source> Evaluate </source>
        <translation> 求值 </translation>
    </message>
    <message>
        <source>add </source>
        <translation>加 </translation>
    </message>
    <message>
        <source> sine </source>
        <translation> 正弦 </translation>
    </message>
    <message>
        <source> cosine </source>
        <translation> 余弦 </translation>
    </message>
    <message>
        <source> tangent </source>
        <translation> 正切 </translation>
    </message>
    <message>
        <source> inverse sine </source>
        <translation> 反正弦 </translation>
    </message>
    <message>
        <source> inverse cosine </source>
        <translation> 反余弦 </translation>
    </message>
    <message>
        <source> inverse tangent </source>
        <translation> 反正切 </translation>
    </message>
    <message>
        <source> co-secant </source>
        <translation> 余割 </translation>
    </message>
    <message>
        <source> secant </source>
        <translation> 正割 </translation>
    </message>
    <message>
        <source> co-tangent </source>
        <translation> 余切 </translation>
    </message>
    <message>
        <source> degree to radian </source>
        <translation> 度转弧度 </translation>
    </message>
    <message>
        <source> degree to gradian </source>
        <translation> 度转百分度 </translation>
    </message>
    <message>
        <source> degree to cycle </source>
        <translation> 度转圈 </translation>
    </message>
    <message>
        <source> radian to degree </source>
        <translation> 弧度转度 </translation>
    </message>
    <message>
        <source> radian to gradian </source>
        <translation> 弧度转百分度 </translation>
    </message>
    <message>
        <source> radian to cycle </source>
        <translation> 弧度转圈 </translation>
    </message>
    <message>
        <source> grad to degree </source>
        <translation> 百分度转度 </translation>
    </message>
    <message>
        <source> grad  to radian </source>
        <translation> 百分度  转弧度 </translation>
    </message>
    <message>
        <source> grad to cycle </source>
        <translation> 百分度转圈 </translation>
    </message>
    <message>
        <source> cycle to degree </source>
        <translation> 圈转度 </translation>
    </message>
    <message>
        <source> cycle to radian </source>
        <translation> 圈转弧度 </translation>
    </message>
    <message>
        <source> cycle to gradian </source>
        <translation> 圈转百分度 </translation>
    </message>
    <message>
        <source> sinh </source>
        <translation> 双曲正弦 </translation>
    </message>
    <message>
        <source> cosh </source>
        <translation> 双曲余弦 </translation>
    </message>
    <message>
        <source> tanh </source>
        <translation> 双曲正切 </translation>
    </message>
    <message>
        <source> inverse sinh </source>
        <translation> 反双曲正弦 </translation>
    </message>
    <message>
        <source> inverse cosh </source>
        <translation> 反双曲余弦 </translation>
    </message>
    <message>
        <source> inverse tanh </source>
        <translation> 反双曲正切 </translation>
    </message>
    <message>
        <source> logarithm to base e </source>
        <translation> 以 e 为底的对数 </translation>
    </message>
    <message>
        <source> logarithm to base 2 </source>
        <translation> 以 2 为底的对数 </translation>
    </message>
    <message>
        <source> logarithm to base 10 </source>
        <translation> 以 10 为底的对数 </translation>
    </message>
    <message>
        <source> exponential </source>
        <translation> 指数 </translation>
    </message>
    <message>
        <source> square root </source>
        <translation> 平方根 </translation>
    </message>
    <message>
        <source> ceil </source>
        <translation> 向上取整 </translation>
    </message>
    <message>
        <source> floor </source>
        <translation> 向下取整 </translation>
    </message>
    <message>
        <source> factorial </source>
        <translation> 阶乘 </translation>
    </message>
    <message>
        <source> random </source>
        <translation> 随机数 </translation>
    </message>
    <message>
        <source> mean </source>
        <translation> 平均值 </translation>
    </message>
    <message>
        <source> standard deviation </source>
        <translation> 标准差 </translation>
    </message>
    <message>
        <source> variance </source>
        <translation> 方差 </translation>
    </message>
    <message>
        <source>Result = </source>
        <translation>结果 = </translation>
    </message>
</context>
<context>
    <name>SpeechFailures</name>
    <message>
        <source>The speech service address &quot;%1&quot; is a network address; this program speaks only through a unix socket</source>
        <translation>语音服务地址“%1”是网络地址；本程序只通过 unix 套接字通信</translation>
    </message>
    <message>
        <source>Unknown or unsupported communication method in SPEECHD_ADDRESS &quot;%1&quot;</source>
        <translation>SPEECHD_ADDRESS“%1”中的通信方式未知或不受支持</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>没有那个文件或目录</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>连接被拒绝</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>权限不够</translation>
    </message>
    <message>
        <source>The speech service at %1 answered something it should not: a message that never ends</source>
        <translation>位于 %1 的语音服务回复了不应有的内容：一条永不结束的消息</translation>
    </message>
    <message>
        <source>Speech is not available: the speech service is not installed. Install the speech-dispatcher package to hear the calculator.
Can&apos;t connect to unix socket %1: %2. Autospawn: %3 could not be started: %4</source>
        <translation>语音不可用：未安装语音服务。请安装 speech-dispatcher 软件包以收听计算器。
无法连接到 unix 套接字 %1：%2。自动启动：无法启动 %3：%4</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: the speech service refused to start%3</source>
        <translation>无法连接到 unix 套接字 %1：%2。自动启动：语音服务拒绝启动%3</translation>
    </message>
    <message>
        <source>The speech service closed the connection</source>
        <translation>语音服务关闭了连接</translation>
    </message>
    <message>
        <source>The speech service connection failed: </source>
        <translation>与语音服务的连接失败：</translation>
    </message>
    <message>
        <source>Autospawn disabled</source>
        <translation>自动启动已禁用</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: %3</source>
        <translation>无法连接到 unix 套接字 %1：%2。自动启动：%3</translation>
    </message>
    <message>
        <source>The speech service at %1 does not answer in speech-dispatcher&apos;s protocol</source>
        <translation>位于 %1 的语音服务没有使用 speech-dispatcher 的协议回复</translation>
    </message>
    <message>
        <source>The speech service at %1 answered a question it was not asked</source>
        <translation>位于 %1 的语音服务回答了未被询问的问题</translation>
    </message>
    <message>
        <source>The speech service refused %1: %2 %3</source>
        <translation>语音服务拒绝了 %1：%2 %3</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: the speech service did not open its socket within %3 s</source>
        <translation>无法连接到 unix 套接字 %1：%2。自动启动：语音服务未在 %3 秒内打开其套接字</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: no answer within %2 s</source>
        <translation>无法连接到 unix 套接字 %1：%2 秒内没有回应</translation>
    </message>
    <message>
        <source>The speech service at %1 did not answer within %2 s</source>
        <translation>位于 %1 的语音服务未在 %2 秒内回应</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>表达式</translation>
    </message>
    <message>
        <source>Type an expression and press Enter to evaluate it</source>
        <translation>输入表达式并按回车键求值</translation>
    </message>
    <message>
        <source>Results history</source>
        <translation>结果历史</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>函数</translation>
    </message>
    <message>
        <source>Choosing a function inserts it into the expression</source>
        <translation>选择一个函数会将它插入表达式</translation>
    </message>
</context>
<context>
    <name>ferrolin::PrintSetupDialog</name>
    <message>
        <source>The print system does not answer: the printer cannot be chosen now. Try again once it runs</source>
        <translation>打印系统没有响应：现在无法选择打印机。请在它运行后重试</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>打印设置</translation>
    </message>
    <message>
        <source>Looking for printers...</source>
        <translation>正在查找打印机...</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>纵向</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横向</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>长边</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>短边</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>打印机(&amp;P):</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>打印机</translation>
    </message>
    <message>
        <source>Paper &amp;size:</source>
        <translation>纸张大小(&amp;S):</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>纸张大小</translation>
    </message>
    <message>
        <source>O&amp;rientation:</source>
        <translation>方向(&amp;R):</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Cop&amp;ies:</source>
        <translation>份数(&amp;I):</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>份数</translation>
    </message>
    <message>
        <source>&amp;Two-sided:</source>
        <translation>双面(&amp;T):</translation>
    </message>
    <message>
        <source>Two-sided</source>
        <translation>双面</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>No printer is installed: add one in the system&apos;s printer settings, then open Print Setup again</source>
        <translation>未安装打印机：请在系统的打印机设置中添加一台，然后再次打开打印设置</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1（默认）</translation>
    </message>
</context>
<context>
    <name>ferrolin::Printing</name>
    <message>
        <source>Printing needs the lp command of the cups-client package, and it could not be started: install cups-client, then print again
%1 could not be started (%2)</source>
        <translation>打印需要 cups-client 软件包的 lp 命令，但无法启动它：请安装 cups-client，然后重新打印
无法启动 %1 (%2)</translation>
    </message>
    <message>
        <source>The print system did not take the job within %1 s: it may not be printed</source>
        <translation>打印系统在 %1 秒内没有接收作业：可能不会打印</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the job: %2</source>
        <translation>打印机“%1”拒绝了作业：%2</translation>
    </message>
</context>
<context>
    <name>ferrolin::QtPrinting</name>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation>打印系统没有响应：没有打印任何内容。请在它运行后重试</translation>
    </message>
    <message>
        <source>Printing the results history...</source>
        <translation>正在打印结果历史...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>打印</translation>
    </message>
</context>
<context>
    <name>ferrolin::TFormAbout</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>在网页浏览器中打开 %1</translation>
    </message>
</context>
<context>
    <name>ferrolin::TFormHelp</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Read the guide aloud</source>
        <translation>朗读指南</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>停止朗读</translation>
    </message>
</context>
</TS>
