<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>by the Ferrolin developers</source>
        <translation>par les développeurs de Ferrolin</translation>
    </message>
    <message>
        <source>Home page (Click here)</source>
        <translation>Page d&apos;accueil (cliquer ici)</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>Website not available</source>
        <translation>Site web indisponible</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>%1
<byte value="xd"/>Missing left bracket &quot;(&quot; </source>
        <translation>%1
<byte value="xd"/>Parenthèse gauche &quot;(&quot; manquante </translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing right bracket &quot;)&quot;</source>
        <translation>%1
<byte value="xd"/> Parenthèse droite &quot;)&quot; manquante</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Missing operand </source>
        <translation>%1
<byte value="xd"/> Opérande manquant </translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Unable to evaluate %2</source>
        <translation>%1
<byte value="xd"/> Impossible d&apos;évaluer %2</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/>Invalid expression. Clear and start again</source>
        <translation>%1
<byte value="xd"/>Expression non valide. Effacez et recommencez</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Opération en virgule flottante non valide</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Division par zéro en virgule flottante</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Dépassement de capacité en virgule flottante</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; n&apos;est pas une valeur en virgule flottante valide</translation>
    </message>
    <message>
        <source>%1
<byte value="xd"/> Expression nested too deeply</source>
        <translation>%1
<byte value="xd"/> Expression trop imbriquée</translation>
    </message>
    <message>
        <source>The expression is not valid UTF-8 text</source>
        <translation>L&apos;expression n&apos;est pas un texte UTF-8 valide</translation>
    </message>
    <message>
        <source>Not enough parameters</source>
        <translation>Pas assez de paramètres</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The file is too large to show as a results history (%1 MB; the largest is %2 MB).</source>
        <translation>Le fichier est trop volumineux pour être affiché comme historique des résultats (%1 Mo ; au plus %2 Mo).</translation>
    </message>
    <message>
        <source>The file starts like an RTF document but is not one.</source>
        <translation>Le fichier commence comme un document RTF mais n&apos;en est pas un.</translation>
    </message>
    <message>
        <source>Its groups are nested more than %1 deep.</source>
        <translation>Ses groupes sont imbriqués sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The history is too large for a results file that can be opened again (%1 MB; the largest is %2 MB).</source>
        <translation>L&apos;historique est trop volumineux pour un fichier de résultats qui puisse être rouvert (%1 Mo ; au plus %2 Mo).</translation>
    </message>
    <message>
        <source>Failed to Load Stream</source>
        <translation>Échec du chargement du flux</translation>
    </message>
    <message>
        <source>Failed to Save Stream</source>
        <translation>Échec de l&apos;enregistrement du flux</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Quick Start Guide</source>
        <translation>Guide de démarrage</translation>
    </message>
    <message>
        <source>To use Ferrolin just enter a</source>
        <translation>Pour utiliser Ferrolin, saisissez simplement une</translation>
    </message>
    <message>
        <source>mathematical expression into the top window and</source>
        <translation>expression mathématique dans la fenêtre du haut et</translation>
    </message>
    <message>
        <source>press the evaluate button i.e. the equals button.</source>
        <translation>appuyez sur la touche d&apos;évaluation, c&apos;est-à-dire la touche égal.</translation>
    </message>
    <message>
        <source>Entering numbers</source>
        <translation>Saisie des nombres</translation>
    </message>
    <message>
        <source>Numbers are input using the mouse keypad or</source>
        <translation>Les nombres se saisissent avec le pavé ou</translation>
    </message>
    <message>
        <source>can be typed directly into the top expression builder window.</source>
        <translation>se tapent directement dans la fenêtre d&apos;expression du haut.</translation>
    </message>
    <message>
        <source>Standard keys are used:-</source>
        <translation>Les touches habituelles sont utilisées :-</translation>
    </message>
    <message>
        <source>&apos;+&apos;  =  Addition</source>
        <translation>&apos;+&apos;  =  Addition</translation>
    </message>
    <message>
        <source>&apos;-&apos;  =  Subtraction</source>
        <translation>&apos;-&apos;  =  Soustraction</translation>
    </message>
    <message>
        <source>&apos;*&apos;  =  Multiplication</source>
        <translation>&apos;*&apos;  =  Multiplication</translation>
    </message>
    <message>
        <source>&apos;/&apos;   = Division</source>
        <translation>&apos;/&apos;   = Division</translation>
    </message>
    <message>
        <source>&apos;^&apos;  = Power</source>
        <translation>&apos;^&apos;  = Puissance</translation>
    </message>
    <message>
        <source>Parentheses</source>
        <translation>Parenthèses</translation>
    </message>
    <message>
        <source>The left and right brackets  are used</source>
        <translation>Les parenthèses gauche et droite servent</translation>
    </message>
    <message>
        <source>for grouping terms in a standard expression.</source>
        <translation>à grouper les termes d&apos;une expression.</translation>
    </message>
    <message>
        <source>Example:        2+(5+6)+3+(8+7)</source>
        <translation>Exemple :        2+(5+6)+3+(8+7)</translation>
    </message>
    <message>
        <source>Always make sure that an opening parenthesis is</source>
        <translation>Veillez à ce que chaque parenthèse ouvrante</translation>
    </message>
    <message>
        <source>matched with a closing parenthesis or else an</source>
        <translation>ait sa parenthèse fermante, sinon une</translation>
    </message>
    <message>
        <source>error will be raised. If this happens correct your</source>
        <translation>erreur est signalée. Corrigez alors votre</translation>
    </message>
    <message>
        <source>expression in the top expression builder window.</source>
        <translation>expression dans la fenêtre d&apos;expression du haut.</translation>
    </message>
    <message>
        <source>Order of operations</source>
        <translation>Ordre des opérations</translation>
    </message>
    <message>
        <source>The standard order of operations is used:-</source>
        <translation>L&apos;ordre habituel des opérations s&apos;applique :-</translation>
    </message>
    <message>
        <source>(1) Parentheses.</source>
        <translation>(1) Parenthèses.</translation>
    </message>
    <message>
        <source>(2) Multiplication, Division and Power.</source>
        <translation>(2) Multiplication, division et puissance.</translation>
    </message>
    <message>
        <source>(3) Addition and Subtraction.</source>
        <translation>(3) Addition et soustraction.</translation>
    </message>
    <message>
        <source>Math Functions</source>
        <translation>Fonctions mathématiques</translation>
    </message>
    <message>
        <source>To select a function click on its name in the</source>
        <translation>Pour choisir une fonction, cliquez sur son nom dans la</translation>
    </message>
    <message>
        <source>list box and it is added to the top expression</source>
        <translation>liste ; elle est ajoutée à la fenêtre d&apos;expression</translation>
    </message>
    <message>
        <source>builder window. Alternatively the function name</source>
        <translation>du haut. Le nom de la fonction peut aussi</translation>
    </message>
    <message>
        <source>can be typed directly into the top window.</source>
        <translation>être tapé directement dans la fenêtre du haut.</translation>
    </message>
    <message>
        <source>All standard trigonometry functions are available</source>
        <translation>Toutes les fonctions trigonométriques usuelles sont disponibles,</translation>
    </message>
    <message>
        <source>including sine, cosine, tangent, inverse sine (asin),</source>
        <translation>dont sinus, cosinus, tangente, arc sinus (asin),</translation>
    </message>
    <message>
        <source>inverse cosine (acos) and inverse tangent (atan).</source>
        <translation>arc cosinus (acos) et arc tangente (atan).</translation>
    </message>
    <message>
        <source>Example:     sin(pi/2)</source>
        <translation>Exemple :     sin(pi/2)</translation>
    </message>
    <message>
        <source>All angles are in radians.</source>
        <translation>Tous les angles sont en radians.</translation>
    </message>
    <message>
        <source>Other Functions</source>
        <translation>Autres fonctions</translation>
    </message>
    <message>
        <source>Functions such as square root are included.</source>
        <translation>Des fonctions comme la racine carrée sont incluses.</translation>
    </message>
    <message>
        <source>Factorials up to 15 can be calculated.</source>
        <translation>Les factorielles jusqu&apos;à 15 peuvent être calculées.</translation>
    </message>
    <message>
        <source>Statistical Functions</source>
        <translation>Fonctions statistiques</translation>
    </message>
    <message>
        <source>Functions for calculating the mean or average</source>
        <translation>Des fonctions pour calculer la moyenne</translation>
    </message>
    <message>
        <source>of a set of numbers and the standard deviation</source>
        <translation>d&apos;un ensemble de nombres et l&apos;écart type</translation>
    </message>
    <message>
        <source>are available.</source>
        <translation>sont disponibles.</translation>
    </message>
    <message>
        <source>Example: mean(1,2,3,4,5)</source>
        <translation>Exemple : mean(1,2,3,4,5)</translation>
    </message>
    <message>
        <source>Example: stddev(1,2,3)</source>
        <translation>Exemple : stddev(1,2,3)</translation>
    </message>
    <message>
        <source>NAN =Not A Number.</source>
        <translation>NAN = pas un nombre (Not A Number).</translation>
    </message>
    <message>
        <source>Quick Start Guide text</source>
        <translation>Texte du guide de démarrage</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>effacer</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Rappeler</translation>
    </message>
    <message>
        <source>recall</source>
        <translation>rappeler la dernière expression</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>Euler&apos;s constant e</source>
        <translation>constante d&apos;Euler e</translation>
    </message>
    <message>
        <source>left bracket</source>
        <translation>parenthèse gauche</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>virgule</translation>
    </message>
    <message>
        <source>right bracket</source>
        <translation>parenthèse droite</translation>
    </message>
    <message>
        <source>power</source>
        <translation>puissance</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>diviser</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>multiplier</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>soustraire</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>séparateur décimal</translation>
    </message>
    <message>
        <source>evaluate</source>
        <translation>évaluer</translation>
    </message>
    <message>
        <source>add</source>
        <translation>ajouter</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>, not checked</source>
        <translation>, non coché</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open|Opens an existing file</source>
        <translation>Ouvrir|Ouvre un fichier existant</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save As|Saves the active file with a new name</source>
        <translation>Enregistrer sous|Enregistre le fichier sous un nouveau nom</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>&amp;Configuration de l&apos;impression...</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit|Quits the application</source>
        <translation>Quitter|Quitte l&apos;application</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Cut|Cuts the selection and puts it on the Clipboard</source>
        <translation>Couper|Coupe la sélection et la place dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Co&amp;pier</translation>
    </message>
    <message>
        <source>Copy|Copies the selection and puts it on the Clipboard</source>
        <translation>Copier|Copie la sélection dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Paste|Inserts Clipboard contents</source>
        <translation>Coller|Insère le contenu du presse-papiers</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select All|Selects the entire document</source>
        <translation>Tout sélectionner|Sélectionne tout le document</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo|Reverts the last action</source>
        <translation>Annuler|Annule la dernière action</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete|Erases the selection</source>
        <translation>Supprimer|Efface la sélection</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation>Effacer l&apos;&amp;historique</translation>
    </message>
    <message>
        <source>&amp;Quick Start Guide</source>
        <translation>&amp;Guide de démarrage</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Parole</translation>
    </message>
    <message>
        <source>&amp;Precision</source>
        <translation>P&amp;récision</translation>
    </message>
    <message>
        <source>&amp;%1 Decimal Places</source>
        <translation>&amp;%1 décimales</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No program to open web pages is installed (the xdg-utils package provides one). The address is %1</source>
        <translation>Aucun programme pour ouvrir les pages web n&apos;est installé (le paquet xdg-utils en fournit un). L&apos;adresse est %1</translation>
    </message>
    <message>
        <source>Text File|*.txt|All Files|*.*</source>
        <translation>Fichier texte|*.txt|Tous les fichiers|*.*</translation>
    </message>
    <message>
        <source>Save changes to the results history?</source>
        <translation>Enregistrer les modifications de l&apos;historique des résultats ?</translation>
    </message>
    <message>
        <source>Nothing in results history to print</source>
        <translation>Rien à imprimer dans l&apos;historique des résultats</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Aucune imprimante par défaut n&apos;est sélectionnée</translation>
    </message>
    <message>
        <source>No voice for this language is installed: phrases are spoken in English</source>
        <translation>Aucune voix n&apos;est installée pour cette langue : les phrases sont dites en anglais</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Échec inconnu</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printer selected is not valid</source>
        <translation>L&apos;imprimante choisie n&apos;est pas valide</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Aucune imprimante par défaut n&apos;est sélectionnée</translation>
    </message>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation>Le système d&apos;impression ne répond pas : rien n&apos;a été imprimé. Réessayez quand il fonctionne</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped: nothing was printed</source>
        <translation>L&apos;imprimante &quot;%1&quot; est arrêtée : rien n&apos;a été imprimé</translation>
    </message>
    <message>
        <source>The results are still being printed; try again when that has finished</source>
        <translation>Les résultats sont encore en cours d&apos;impression ; réessayez quand ce sera terminé</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Nothing to print in results </source>
        <translation>Rien à imprimer dans l&apos;historique </translation>
    </message>
    <message>
        <source> Clear results history </source>
        <translation> Effacer l&apos;historique des résultats </translation>
    </message>
    <message>
        <source> Quick start help launching. Press the play button for speach</source>
        <translation> Lancement du guide de démarrage. Appuyez sur le bouton Lire pour l&apos;écouter</translation>
    </message>
    <message>
        <source>I am Ferrolin version 2009. </source>
        <translation>Je suis Ferrolin version 2009. </translation>
    </message>
    <message>
        <source>  My parser and speach engine are different in this version</source>
        <translation>  Mon évaluateur et ma synthèse vocale sont différents dans cette version</translation>
    </message>
    <message>
        <source> clear </source>
        <translation> effacer </translation>
    </message>
    <message>
        <source> recall last expression</source>
        <translation> rappeler la dernière expression</translation>
    </message>
    <message>
        <source> pi </source>
        <translation> pi </translation>
    </message>
    <message>
        <source> Eulers constant </source>
        <translation> constante d&apos;Euler </translation>
    </message>
    <message>
        <source> left bracket </source>
        <translation> parenthèse gauche </translation>
    </message>
    <message>
        <source> comma </source>
        <translation> virgule </translation>
    </message>
    <message>
        <source> right bracket </source>
        <translation> parenthèse droite </translation>
    </message>
    <message>
        <source> power </source>
        <translation> puissance </translation>
    </message>
    <message>
        <source> divide </source>
        <translation> diviser </translation>
    </message>
    <message>
        <source> multi ply </source>
        <translation> multiplier </translation>
    </message>
    <message>
        <source> subtract </source>
        <translation> soustraire </translation>
    </message>
    <message>
        <source>decimal point </source>
        <translation>virgule décimale </translation>
    </message>
    <message>
        <source> Evaluate </source>
        <translation> évaluer </translation>
    </message>
    <message>
        <source>add </source>
        <translation>ajouter </translation>
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
        <translation> tangente </translation>
    </message>
    <message>
        <source> inverse sine </source>
        <translation> arc sinus </translation>
    </message>
    <message>
        <source> inverse cosine </source>
        <translation> arc cosinus </translation>
    </message>
    <message>
        <source> inverse tangent </source>
        <translation> arc tangente </translation>
    </message>
    <message>
        <source> co-secant </source>
        <translation> cosécante </translation>
    </message>
    <message>
        <source> secant </source>
        <translation> sécante </translation>
    </message>
    <message>
        <source> co-tangent </source>
        <translation> cotangente </translation>
    </message>
    <message>
        <source> degree to radian </source>
        <translation> degrés en radians </translation>
    </message>
    <message>
        <source> degree to gradian </source>
        <translation> degrés en grades </translation>
    </message>
    <message>
        <source> degree to cycle </source>
        <translation> degrés en tours </translation>
    </message>
    <message>
        <source> radian to degree </source>
        <translation> radians en degrés </translation>
    </message>
    <message>
        <source> radian to gradian </source>
        <translation> radians en grades </translation>
    </message>
    <message>
        <source> radian to cycle </source>
        <translation> radians en tours </translation>
    </message>
    <message>
        <source> grad to degree </source>
        <translation> grades en degrés </translation>
    </message>
    <message>
        <source> grad  to radian </source>
        <translation> grades  en radians </translation>
    </message>
    <message>
        <source> grad to cycle </source>
        <translation> grades en tours </translation>
    </message>
    <message>
        <source> cycle to degree </source>
        <translation> tours en degrés </translation>
    </message>
    <message>
        <source> cycle to radian </source>
        <translation> tours en radians </translation>
    </message>
    <message>
        <source> cycle to gradian </source>
        <translation> tours en grades </translation>
    </message>
    <message>
        <source> sinh </source>
        <translation> sinus hyperbolique </translation>
    </message>
    <message>
        <source> cosh </source>
        <translation> cosinus hyperbolique </translation>
    </message>
    <message>
        <source> tanh </source>
        <translation> tangente hyperbolique </translation>
    </message>
    <message>
        <source> inverse sinh </source>
        <translation> argument sinus hyperbolique </translation>
    </message>
    <message>
        <source> inverse cosh </source>
        <translation> argument cosinus hyperbolique </translation>
    </message>
    <message>
        <source> inverse tanh </source>
        <translation> argument tangente hyperbolique </translation>
    </message>
    <message>
        <source> logarithm to base e </source>
        <translation> logarithme en base e </translation>
    </message>
    <message>
        <source> logarithm to base 2 </source>
        <translation> logarithme en base 2 </translation>
    </message>
    <message>
        <source> logarithm to base 10 </source>
        <translation> logarithme en base 10 </translation>
    </message>
    <message>
        <source> exponential </source>
        <translation> exponentielle </translation>
    </message>
    <message>
        <source> square root </source>
        <translation> racine carrée </translation>
    </message>
    <message>
        <source> ceil </source>
        <translation> arrondi supérieur </translation>
    </message>
    <message>
        <source> floor </source>
        <translation> arrondi inférieur </translation>
    </message>
    <message>
        <source> factorial </source>
        <translation> factorielle </translation>
    </message>
    <message>
        <source> random </source>
        <translation> aléatoire </translation>
    </message>
    <message>
        <source> mean </source>
        <translation> moyenne </translation>
    </message>
    <message>
        <source> standard deviation </source>
        <translation> écart type </translation>
    </message>
    <message>
        <source> variance </source>
        <translation> variance </translation>
    </message>
    <message>
        <source>Result = </source>
        <translation>Résultat = </translation>
    </message>
</context>
<context>
    <name>SpeechFailures</name>
    <message>
        <source>The speech service address &quot;%1&quot; is a network address; this program speaks only through a unix socket</source>
        <translation>L&apos;adresse du service vocal &quot;%1&quot; est une adresse réseau ; ce programme ne parle que par une socket unix</translation>
    </message>
    <message>
        <source>Unknown or unsupported communication method in SPEECHD_ADDRESS &quot;%1&quot;</source>
        <translation>Méthode de communication inconnue ou non prise en charge dans SPEECHD_ADDRESS &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Connexion refusée</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>The speech service at %1 answered something it should not: a message that never ends</source>
        <translation>Le service vocal à %1 a répondu ce qu&apos;il ne devrait pas : un message sans fin</translation>
    </message>
    <message>
        <source>Speech is not available: the speech service is not installed. Install the speech-dispatcher package to hear the calculator.
Can&apos;t connect to unix socket %1: %2. Autospawn: %3 could not be started: %4</source>
        <translation>La parole n&apos;est pas disponible : le service vocal n&apos;est pas installé. Installez le paquet speech-dispatcher pour entendre la calculatrice.
Connexion impossible à la socket unix %1 : %2. Démarrage automatique : %3 n&apos;a pas pu être lancé : %4</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: the speech service refused to start%3</source>
        <translation>Connexion impossible à la socket unix %1 : %2. Démarrage automatique : le service vocal a refusé de démarrer%3</translation>
    </message>
    <message>
        <source>The speech service closed the connection</source>
        <translation>Le service vocal a fermé la connexion</translation>
    </message>
    <message>
        <source>The speech service connection failed: </source>
        <translation>La connexion au service vocal a échoué : </translation>
    </message>
    <message>
        <source>Autospawn disabled</source>
        <translation>Démarrage automatique désactivé</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: %3</source>
        <translation>Connexion impossible à la socket unix %1 : %2. Démarrage automatique : %3</translation>
    </message>
    <message>
        <source>The speech service at %1 does not answer in speech-dispatcher&apos;s protocol</source>
        <translation>Le service vocal à %1 ne répond pas dans le protocole de speech-dispatcher</translation>
    </message>
    <message>
        <source>The speech service at %1 answered a question it was not asked</source>
        <translation>Le service vocal à %1 a répondu à une question qui ne lui était pas posée</translation>
    </message>
    <message>
        <source>The speech service refused %1: %2 %3</source>
        <translation>Le service vocal a refusé %1 : %2 %3</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: %2. Autospawn: the speech service did not open its socket within %3 s</source>
        <translation>Connexion impossible à la socket unix %1 : %2. Démarrage automatique : le service vocal n&apos;a pas ouvert sa socket en %3 s</translation>
    </message>
    <message>
        <source>Can&apos;t connect to unix socket %1: no answer within %2 s</source>
        <translation>Connexion impossible à la socket unix %1 : pas de réponse en %2 s</translation>
    </message>
    <message>
        <source>The speech service at %1 did not answer within %2 s</source>
        <translation>Le service vocal à %1 n&apos;a pas répondu en %2 s</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Type an expression and press Enter to evaluate it</source>
        <translation>Saisissez une expression et appuyez sur Entrée pour l&apos;évaluer</translation>
    </message>
    <message>
        <source>Results history</source>
        <translation>Historique des résultats</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Pavé</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Choosing a function inserts it into the expression</source>
        <translation>Choisir une fonction l&apos;insère dans l&apos;expression</translation>
    </message>
</context>
<context>
    <name>ferrolin::PrintSetupDialog</name>
    <message>
        <source>The print system does not answer: the printer cannot be chosen now. Try again once it runs</source>
        <translation>Le système d&apos;impression ne répond pas : l&apos;imprimante ne peut pas être choisie maintenant. Réessayez quand il fonctionne</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Looking for printers...</source>
        <translation>Recherche des imprimantes...</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Bord long</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Bord court</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Imprimante :</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Paper &amp;size:</source>
        <translation>&amp;Format du papier :</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Format du papier</translation>
    </message>
    <message>
        <source>O&amp;rientation:</source>
        <translation>O&amp;rientation :</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Cop&amp;ies:</source>
        <translation>&amp;Copies :</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>&amp;Two-sided:</source>
        <translation>Recto &amp;verso :</translation>
    </message>
    <message>
        <source>Two-sided</source>
        <translation>Recto verso</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>No printer is installed: add one in the system&apos;s printer settings, then open Print Setup again</source>
        <translation>Aucune imprimante n&apos;est installée : ajoutez-en une dans les réglages d&apos;impression du système, puis rouvrez la configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (par défaut)</translation>
    </message>
</context>
<context>
    <name>ferrolin::Printing</name>
    <message>
        <source>Printing needs the lp command of the cups-client package, and it could not be started: install cups-client, then print again
%1 could not be started (%2)</source>
        <translation>L&apos;impression nécessite la commande lp du paquet cups-client, qui n&apos;a pas pu être lancée : installez cups-client, puis imprimez de nouveau
%1 n&apos;a pas pu être lancé (%2)</translation>
    </message>
    <message>
        <source>The print system did not take the job within %1 s: it may not be printed</source>
        <translation>Le système d&apos;impression n&apos;a pas pris le travail en %1 s : il risque de ne pas être imprimé</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the job: %2</source>
        <translation>L&apos;imprimante &quot;%1&quot; a refusé le travail : %2</translation>
    </message>
</context>
<context>
    <name>ferrolin::QtPrinting</name>
    <message>
        <source>The print system does not answer: nothing was printed. Try again once it runs</source>
        <translation>Le système d&apos;impression ne répond pas : rien n&apos;a été imprimé. Réessayez quand il fonctionne</translation>
    </message>
    <message>
        <source>Printing the results history...</source>
        <translation>Impression de l&apos;historique des résultats...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
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
        <translation>Ouvre %1 dans le navigateur web</translation>
    </message>
</context>
<context>
    <name>ferrolin::TFormHelp</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Read the guide aloud</source>
        <translation>Lire le guide à voix haute</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>Arrêter la lecture</translation>
    </message>
</context>
</TS>
