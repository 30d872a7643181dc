<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>by the Ferrolin developers</source>
        <translation>pelos desenvolvedores do Ferrolin</translation>
    </message>
    <message>
        <source>Home page (Click here)</source>
        <translation>Página inicial (clique aqui)</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>Website not available</source>
        <translation>Site indisponível</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>%1
<byte value="xd"/>Missing left bracket &quot;(&quot; </source>
        <translation>%1
<byte value="xd"/>Falta o parêntese esquerdo &quot;(&quot; </translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing right bracket &quot;)&quot;</source>
        <translation>%1
<byte value="xd"/> Falta o parêntese direito &quot;)&quot;</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing operand </source>
        <translation>%1
<byte value="xd"/> Falta um operando </translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Unable to evaluate %2</source>
        <translation>%1
<byte value="xd"/> Não é possível avaliar %2</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/>Invalid expression. Clear and start again</source>
        <translation>%1
<byte value="xd"/>Expressão inválida. Limpe e comece de novo</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operação de ponto flutuante inválida</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Divisão por zero em ponto flutuante</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Estouro de ponto flutuante</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; não é um valor de ponto flutuante válido</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Expression nested too deeply</source>
        <translation>%1
<byte value="xd"/> Expressão aninhada demais</translation>
    </message>
    <message>
        <source>The expression is not valid UTF-8 text</source>
        <translation>A expressão não é um texto UTF-8 válido</translation>
    </message>
    <message>
        <source>Not enough parameters</source>
        <translation>Parâmetros insuficientes</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Não é possível abrir o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Não é possível criar o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The file is too large to show as a results history (%1 MB; the largest is %2 MB).</source>
        <translation>O arquivo é grande demais para ser mostrado como histórico de resultados (%1 MB; no máximo %2 MB).</translation>
    </message>
    <message>
        <source>The file starts like an RTF document but is not one.</source>
        <translation>O arquivo começa como um documento RTF, mas não é um.</translation>
    </message>
    <message>
        <source>Its groups are nested more than %1 deep.</source>
        <translation>Seus grupos estão aninhados em mais de %1 níveis.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>The history is too large for a results file that can be opened again (%1 MB; the largest is %2 MB).</source>
        <translation>O histórico é grande demais para um arquivo de resultados que possa ser aberto de novo (%1 MB; no máximo %2 MB).</translation>
    </message>
    <message>
        <source>Failed to Load Stream</source>
        <translation>Falha ao carregar o fluxo</translation>
    </message>
    <message>
        <source>Failed to Save Stream</source>
        <translation>Falha ao salvar o fluxo</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Quick Start Guide</source>
        <translation>Guia rápido</translation>
    </message>
    <message>
        <source>To use Ferrolin just enter a</source>
        <translation>Para usar o Ferrolin basta digitar uma</translation>
    </message>
    <message>
        <source>mathematical expression into the top window and</source>
        <translation>expressão matemática na janela superior e</translation>
    </message>
    <message>
        <source>press the evaluate button i.e. the equals button.</source>
        <translation>pressionar o botão de avaliar, ou seja, o botão igual.</translation>
    </message>
    <message>
        <source>Entering numbers</source>
        <translation>Digitando números</translation>
    </message>
    <message>
        <source>Numbers are input using the mouse keypad or</source>
        <translation>Os números são digitados com o teclado na tela ou</translation>
    </message>
    <message>
        <source>can be typed directly into the top expression builder window.</source>
        <translation>diretamente na janela de expressão superior.</translation>
    </message>
    <message>
        <source>Standard keys are used:-</source>
        <translation>São usadas as teclas de costume:-</translation>
    </message>
    <message>
        <source>&apos;+&apos;  =  Addition</source>
        <translation>&apos;+&apos;  =  Adição</translation>
    </message>
    <message>
        <source>&apos;-&apos;  =  Subtraction</source>
        <translation>&apos;-&apos;  =  Subtração</translation>
    </message>
    <message>
        <source>&apos;*&apos;  =  Multiplication</source>
        <translation>&apos;*&apos;  =  Multiplicação</translation>
    </message>
    <message>
        <source>&apos;/&apos;   = Division</source>
        <translation>&apos;/&apos;   = Divisão</translation>
    </message>
    <message>
        <source>&apos;^&apos;  = Power</source>
        <translation>&apos;^&apos;  = Potência</translation>
    </message>
    <message>
        <source>Parentheses</source>
        <translation>Parênteses</translation>
    </message>
    <message>
        <source>The left and right brackets  are used</source>
        <translation>Os parênteses esquerdo e direito servem</translation>
    </message>
    <message>
        <source>for grouping terms in a standard expression.</source>
        <translation>para agrupar termos de uma expressão.</translation>
    </message>
    <message>
        <source>Example:        2+(5+6)+3+(8+7)</source>
        <translation>Exemplo:        2+(5+6)+3+(8+7)</translation>
    </message>
    <message>
        <source>Always make sure that an opening parenthesis is</source>
        <translation>Verifique se cada parêntese de abertura</translation>
    </message>
    <message>
        <source>matched with a closing parenthesis or else an</source>
        <translation>tem o seu parêntese de fechamento; senão</translation>
    </message>
    <message>
        <source>error will be raised. If this happens correct your</source>
        <translation>um erro será indicado. Se isso acontecer, corrija sua</translation>
    </message>
    <message>
        <source>expression in the top expression builder window.</source>
        <translation>expressão na janela de expressão superior.</translation>
    </message>
    <message>
        <source>Order of operations</source>
        <translation>Ordem das operações</translation>
    </message>
    <message>
        <source>The standard order of operations is used:-</source>
        <translation>É usada a ordem de costume das operações:-</translation>
    </message>
    <message>
        <source>(1) Parentheses.</source>
        <translation>(1) Parênteses.</translation>
    </message>
    <message>
        <source>(2) Multiplication, Division and Power.</source>
        <translation>(2) Multiplicação, divisão e potência.</translation>
    </message>
    <message>
        <source>(3) Addition and Subtraction.</source>
        <translation>(3) Adição e subtração.</translation>
    </message>
    <message>
        <source>Math Functions</source>
        <translation>Funções matemáticas</translation>
    </message>
    <message>
        <source>To select a function click on its name in the</source>
        <translation>Para escolher uma função, clique no nome dela na</translation>
    </message>
    <message>
        <source>list box and it is added to the top expression</source>
        <translation>lista e ela é adicionada à janela de expressão</translation>
    </message>
    <message>
        <source>builder window. Alternatively the function name</source>
        <translation>superior. O nome da função também pode</translation>
    </message>
    <message>
        <source>can be typed directly into the top window.</source>
        <translation>ser digitado diretamente na janela superior.</translation>
    </message>
    <message>
        <source>All standard trigonometry functions are available</source>
        <translation>Estão disponíveis todas as funções trigonométricas de costume,</translation>
    </message>
    <message>
        <source>including sine, cosine, tangent, inverse sine (asin),</source>
        <translation>entre elas seno, cosseno, tangente, arco seno (asin),</translation>
    </message>
    <message>
        <source>inverse cosine (acos) and inverse tangent (atan).</source>
        <translation>arco cosseno (acos) e arco tangente (atan).</translation>
    </message>
    <message>
        <source>Example:     sin(pi/2)</source>
        <translation>Exemplo:     sin(pi/2)</translation>
    </message>
    <message>
        <source>All angles are in radians.</source>
        <translation>Todos os ângulos estão em radianos.</translation>
    </message>
    <message>
        <source>Other Functions</source>
        <translation>Outras funções</translation>
    </message>
    <message>
        <source>Functions such as square root are included.</source>
        <translation>Funções como a raiz quadrada estão incluídas.</translation>
    </message>
    <message>
        <source>Factorials up to 15 can be calculated.</source>
        <translation>Fatoriais até 15 podem ser calculados.</translation>
    </message>
    <message>
        <source>Statistical Functions</source>
        <translation>Funções estatísticas</translation>
    </message>
    <message>
        <source>Functions for calculating the mean or average</source>
        <translation>Funções para calcular a média</translation>
    </message>
    <message>
        <source>of a set of numbers and the standard deviation</source>
        <translation>de um conjunto de números e o desvio padrão</translation>
    </message>
    <message>
        <source>are available.</source>
        <translation>estão disponíveis.</translation>
    </message>
    <message>
        <source>Example: mean(1,2,3,4,5)</source>
        <translation>Exemplo: mean(1,2,3,4,5)</translation>
    </message>
    <message>
        <source>Example: stddev(1,2,3)</source>
        <translation>Exemplo: stddev(1,2,3)</translation>
    </message>
    <message>
        <source>NAN =Not A Number.</source>
        <translation>NAN = não é um número (Not A Number).</translation>
    </message>
    <message>
        <source>Quick Start Guide text</source>
        <translation>Texto do guia rápido</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>limpar</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>recall</source>
        <translation>recuperar a última expressão</translation>
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
        <translation>parêntese esquerdo</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>vírgula</translation>
    </message>
    <message>
        <source>right bracket</source>
        <translation>parêntese direito</translation>
    </message>
    <message>
        <source>power</source>
        <translation>potência</translation>
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
        <translation>subtrair</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>separador decimal</translation>
    </message>
    <message>
        <source>evaluate</source>
        <translation>avaliar</translation>
    </message>
    <message>
        <source>add</source>
        <translation>somar</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>, not checked</source>
        <translation>, não marcado</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open|Opens an existing file</source>
        <translation>Abrir|Abre um arquivo existente</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>Save As|Saves the active file with a new name</source>
        <translation>Salvar como|Salva o arquivo com um novo nome</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>Configurar &amp;impressão...</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impressão</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Exit|Quits the application</source>
        <translation>Sair|Fecha o aplicativo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>Cut|Cuts the selection and puts it on the Clipboard</source>
        <translation>Recortar|Recorta a seleção e a coloca na área de transferência</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy|Copies the selection and puts it on the Clipboard</source>
        <translation>Copiar|Copia a seleção para a área de transferência</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>Paste|Inserts Clipboard contents</source>
        <translation>Colar|Insere o conteúdo da área de transferência</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar t&amp;udo</translation>
    </message>
    <message>
        <source>Select All|Selects the entire document</source>
        <translation>Selecionar tudo|Seleciona o documento inteiro</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Undo|Reverts the last action</source>
        <translation>Desfazer|Desfaz a última ação</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>Delete|Erases the selection</source>
        <translation>Excluir|Apaga a seleção</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation>Limpar &amp;histórico</translation>
    </message>
    <message>
        <source>&amp;Quick Start Guide</source>
        <translation>&amp;Guia rápido</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Voz</translation>
    </message>
    <message>
        <source>&amp;Precision</source>
        <translation>&amp;Precisão</translation>
    </message>
    <message>
        <source>&amp;%1 Decimal Places</source>
        <translation>&amp;%1 casas decimais</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No program to open web pages is installed (the xdg-utils package provides one). The address is %1</source>
        <translation>Nenhum programa para abrir páginas da web está instalado (o pacote xdg-utils fornece um). O endereço é %1</translation>
    </message>
    <message>
        <source>Text File|*.txt|All Files|*.*</source>
        <translation>Arquivo de texto|*.txt|Todos os arquivos|*.*</translation>
    </message>
    <message>
        <source>Save changes to the results history?</source>
        <translation>Salvar as alterações no histórico de resultados?</translation>
    </message>
    <message>
        <source>Nothing in results history to print</source>
        <translation>Nada para imprimir no histórico de resultados</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nenhuma impressora padrão está selecionada no momento</translation>
    </message>
    <message>
        <source>No voice for this language is installed: phrases are spoken in English</source>
        <translation>Nenhuma voz instalada para este idioma: as frases são faladas em inglês</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Falha desconhecida</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printer selected is not valid</source>
        <translation>A impressora selecionada não é válida</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nenhuma impressora padrão está selecionada no momento</translation>
    </message>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation>O sistema de impressão não responde: nada foi impresso. Tente de novo quando ele estiver funcionando</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped: nothing was printed</source>
        <translation>A impressora &quot;%1&quot; está parada: nada foi impresso</translation>
    </message>
    <message>
        <source>The results are still being printed; try again when that has finished</source>
        <translation>Os resultados ainda estão sendo impressos; tente de novo quando terminar</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Nothing to print in results </source>
        <translation>Nada para imprimir no histórico </translation>
    </message>
    <message>
        <source> Clear results history </source>
        <translation> Limpar o histórico de resultados </translation>
    </message>
    <message>
        <source> Quick start help launching. Press the play button for speach</source>
        <translation> Abrindo o guia rápido. Pressione o botão Ler para ouvir</translation>
    </message>
    <message>
        <source>I am Ferrolin version 2009. </source>
        <translation>Eu sou o Ferrolin versão 2009. </translation>
    </message>
    <message>
        <source>  My parser and speach engine are different in this version</source>
        <translation>  Meu avaliador e minha voz são diferentes nesta versão</translation>
    </message>
    <message>
        <source> clear </source>
        <translation> limpar </translation>
    </message>
    <message>
        <source> recall last expression</source>
        <translation> recuperar a última expressão</translation>
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
        <translation> parêntese esquerdo </translation>
    </message>
    <message>
        <source> comma </source>
        <translation> vírgula </translation>
    </message>
    <message>
        <source> right bracket </source>
        <translation> parêntese direito </translation>
    </message>
    <message>
        <source> power </source>
        <translation> elevado a </translation>
    </message>
    <message>
        <source> divide </source>
        <translation> dividido por </translation>
    </message>
    <message>
        <source> multi ply </source>
        <translation> vezes </translation>
    </message>
    <message>
        <source> subtract </source>
        <translation> menos </translation>
    </message>
    <message>
        <source>decimal point </source>
        <translation>vírgula decimal </translation>
    </message>
    <message>
        <source> Evaluate </source>
        <translation> avaliar </translation>
    </message>
    <message>
        <source>add </source>
        <translation>mais </translation>
    </message>
    <message>
        <source> sine </source>
        <translation> seno </translation>
    </message>
    <message>
        <source> cosine </source>
        <translation> cosseno </translation>
    </message>
    <message>
        <source> tangent </source>
        <translation> tangente </translation>
    </message>
    <message>
        <source> inverse sine </source>
        <translation> arco seno </translation>
    </message>
    <message>
        <source> inverse cosine </source>
        <translation> arco cosseno </translation>
    </message>
    <message>
        <source> inverse tangent </source>
        <translation> arco tangente </translation>
    </message>
    <message>
        <source> co-secant </source>
        <translation> cossecante </translation>
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
        <translation> graus para radianos </translation>
    </message>
    <message>
        <source> degree to gradian </source>
        <translation> graus para grados </translation>
    </message>
    <message>
        <source> degree to cycle </source>
        <translation> graus para voltas </translation>
    </message>
    <message>
        <source> radian to degree </source>
        <translation> radianos para graus </translation>
    </message>
    <message>
        <source> radian to gradian </source>
        <translation> radianos para grados </translation>
    </message>
    <message>
        <source> radian to cycle </source>
        <translation> radianos para voltas </translation>
    </message>
    <message>
        <source> grad to degree </source>
        <translation> grados para graus </translation>
    </message>
    <message>
        <source> grad  to radian </source>
        <translation> grados  para radianos </translation>
    </message>
    <message>
        <source> grad to cycle </source>
        <translation> grados para voltas </translation>
    </message>
    <message>
        <source> cycle to degree </source>
        <translation> voltas para graus </translation>
    </message>
    <message>
        <source> cycle to radian </source>
        <translation> voltas para radianos </translation>
    </message>
    <message>
        <source> cycle to gradian </source>
        <translation> voltas para grados </translation>
    </message>
    <message>
        <source> sinh </source>
        <translation> seno hiperbólico </translation>
    </message>
    <message>
        <source> cosh </source>
        <translation> cosseno hiperbólico </translation>
    </message>
    <message>
        <source> tanh </source>
        <translation> tangente hiperbólica </translation>
    </message>
    <message>
        <source> inverse sinh </source>
        <translation> arco seno hiperbólico </translation>
    </message>
    <message>
        <source> inverse cosh </source>
        <translation> arco cosseno hiperbólico </translation>
    </message>
    <message>
        <source> inverse tanh </source>
        <translation> arco tangente hiperbólica </translation>
    </message>
    <message>
        <source> logarithm to base e </source>
        <translation> logaritmo na base e </translation>
    </message>
    <message>
        <source> logarithm to base 2 </source>
        <translation> logaritmo na base 2 </translation>
    </message>
    <message>
        <source> logarithm to base 10 </source>
        <translation> logaritmo na base 10 </translation>
    </message>
    <message>
        <source> exponential </source>
        <translation> exponencial </translation>
    </message>
    <message>
        <source> square root </source>
        <translation> raiz quadrada </translation>
    </message>
    <message>
        <source> ceil </source>
        <translation> teto </translation>
    </message>
    <message>
        <source> floor </source>
        <translation> piso </translation>
    </message>
    <message>
        <source> factorial </source>
        <translation> fatorial </translation>
    </message>
    <message>
        <source> random </source>
        <translation> aleatório </translation>
    </message>
    <message>
        <source> mean </source>
        <translation> média </translation>
    </message>
    <message>
        <source> standard deviation </source>
        <translation> desvio padrão </translation>
    </message>
    <message>
        <source> variance </source>
        <translation> variância </translation>
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
        <translation>O endereço do serviço de voz &quot;%1&quot; é um endereço de rede; este programa fala apenas por um soquete unix</translation>
    </message>
    <message>
        <source>Unknown or unsupported communication method in SPEECHD_ADDRESS &quot;%1&quot;</source>
        <translation>Método de comunicação desconhecido ou não suportado em SPEECHD_ADDRESS &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Arquivo ou diretório inexistente</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Conexão recusada</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>The speech service at %1 answered something it should not: a message that never ends</source>
        <translation>O serviço de voz em %1 respondeu algo que não deveria: uma mensagem que nunca termina</translation>
    </message>
    <message>
        <source>Speech is not available: the speech service is not installed. Install the speech-dispatcher package to hear the calculator.
Can&apos;t connect to unix socket %1: %2. Autospawn: %3 could not be started: %4</source>
        <translation>A voz não está disponível: o serviço de voz não está instalado. Instale o pacote speech-dispatcher para ouvir a calculadora.
Não é possível conectar ao soquete unix %1: %2. Início automático: não foi possível iniciar %3: %4</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: the speech service refused to start%3</source>
        <translation>Não é possível conectar ao soquete unix %1: %2. Início automático: o serviço de voz se recusou a iniciar%3</translation>
    </message>
    <message>
        <source>The speech service closed the connection</source>
        <translation>O serviço de voz fechou a conexão</translation>
    </message>
    <message>
        <source>The speech service connection failed: </source>
        <translation>A conexão com o serviço de voz falhou: </translation>
    </message>
    <message>
        <source>Autospawn disabled</source>
        <translation>Início automático desativado</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: %3</source>
        <translation>Não é possível conectar ao soquete unix %1: %2. Início automático: %3</translation>
    </message>
    <message>
        <source>The speech service at %1 does not answer in speech-dispatcher&apos;s protocol</source>
        <translation>O serviço de voz em %1 não responde no protocolo do speech-dispatcher</translation>
    </message>
    <message>
        <source>The speech service at %1 answered a question it was not asked</source>
        <translation>O serviço de voz em %1 respondeu a uma pergunta que não lhe foi feita</translation>
    </message>
    <message>
        <source>The speech service refused %1: %2 %3</source>
        <translation>O serviço de voz recusou %1: %2 %3</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: the speech service did not open its socket within %3 s</source>
        <translation>Não é possível conectar ao soquete unix %1: %2. Início automático: o serviço de voz não abriu seu soquete em %3 s</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: no answer within %2 s</source>
        <translation>Não é possível conectar ao soquete unix %1: sem resposta em %2 s</translation>
    </message>
    <message>
        <source>The speech service at %1 did not answer within %2 s</source>
        <translation>O serviço de voz em %1 não respondeu em %2 s</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expressão</translation>
    </message>
    <message>
        <source>Type an expression and press Enter to evaluate it</source>
        <translation>Digite uma expressão e pressione Enter para avaliá-la</translation>
    </message>
    <message>
        <source>Results history</source>
        <translation>Histórico de resultados</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funções</translation>
    </message>
    <message>
        <source>Choosing a function inserts it into the expression</source>
        <translation>Escolher uma função a insere na expressão</translation>
    </message>
</context>
<context>
    <name>ferrolin::PrintSetupDialog</name>
    <message>
        <source>The print system does not answer: the printer cannot be chosen now. Try again once it runs</source>
        <translation>O sistema de impressão não responde: a impressora não pode ser escolhida agora. Tente de novo quando ele estiver funcionando</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impressão</translation>
    </message>
    <message>
        <source>Looking for printers...</source>
        <translation>Procurando impressoras...</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Retrato</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paisagem</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Borda longa</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Borda curta</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Impressora:</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impressora</translation>
    </message>
    <message>
        <source>Paper &amp;size:</source>
        <translation>&amp;Tamanho do papel:</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Tamanho do papel</translation>
    </message>
    <message>
        <source>O&amp;rientation:</source>
        <translation>O&amp;rientação:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientação</translation>
    </message>
    <message>
        <source>Cop&amp;ies:</source>
        <translation>&amp;Cópias:</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Cópias</translation>
    </message>
    <message>
        <source>&amp;Two-sided:</source>
        <translation>&amp;Frente e verso:</translation>
    </message>
    <message>
        <source>Two-sided</source>
        <translation>Frente e verso</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>C&amp;ancelar</translation>
    </message>
    <message>
        <source>No printer is installed: add one in the system&apos;s printer settings, then open Print Setup again</source>
        <translation>Nenhuma impressora está instalada: adicione uma nas configurações de impressoras do sistema e abra Configurar impressão de novo</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (padrão)</translation>
    </message>
</context>
<context>
    <name>ferrolin::Printing</name>
    <message>
        <source>Printing needs the lp command of the cups-client package, and it could not be started: install cups-client, then print again
%1 could not be started (%2)</source>
        <translation>Para imprimir é preciso o comando lp do pacote cups-client, e ele não pôde ser iniciado: instale o cups-client e imprima de novo
%1 não pôde ser iniciado (%2)</translation>
    </message>
    <message>
        <source>The print system did not take the job within %1 s: it may not be printed</source>
        <translation>O sistema de impressão não aceitou o trabalho em %1 s: ele pode não ser impresso</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the job: %2</source>
        <translation>A impressora &quot;%1&quot; recusou o trabalho: %2</translation>
    </message>
</context>
<context>
    <name>ferrolin::QtPrinting</name>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation>O sistema de impressão não responde: nada foi impresso. Tente de novo quando ele estiver funcionando</translation>
    </message>
    <message>
        <source>Printing the results history...</source>
        <translation>Imprimindo o histórico de resultados...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Imprimindo</translation>
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
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Abre %1 no navegador</translation>
    </message>
</context>
<context>
    <name>ferrolin::TFormHelp</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Read the guide aloud</source>
        <translation>Ler o guia em voz alta</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>Parar a leitura</translation>
    </message>
</context>
</TS>
