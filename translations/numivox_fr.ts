<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>App</name>
    <message>
        <source>&amp;Quit Numivox</source>
        <translation>&amp;Quitter Numivox</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Numivox, a four-function calculator that speaks its results and, as you choose,
its keys. With no options it opens its window. See numivox(1) for its keys and
menus.</source>
        <extracomment>Wrapped by hand at 80 columns, as the terminal shows it.</extracomment>
        <translation>Numivox, une calculatrice à quatre opérations qui annonce ses résultats et, si
vous le souhaitez, ses touches. Sans option, elle ouvre sa fenêtre. Voir
numivox(1) pour ses touches et ses menus.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>DialogVoice</name>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Sorry, this help topic could not be loaded.</source>
        <translation>Désolé, impossible de charger cette rubrique d&apos;aide.</translation>
    </message>
</context>
<context>
    <name>MenuBar1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save Transcript…</source>
        <translation>&amp;Enregistrer le journal…</translation>
    </message>
    <message>
        <source>&amp;Print Transcript…</source>
        <translation>&amp;Imprimer le journal…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About Numivox</source>
        <translation>À &amp;propos de Numivox</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy &amp;Transcript</source>
        <translation>Copier le &amp;journal</translation>
    </message>
    <message>
        <source>Clear &amp;Work Area</source>
        <translation>Effacer la &amp;zone de travail</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Tout effacer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>&amp;Contraste élevé</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>&amp;Parole</translation>
    </message>
    <message>
        <source>Say &amp;Display</source>
        <translation>Dire l&apos;&amp;afficheur</translation>
    </message>
    <message>
        <source>Say &amp;Last Calculation</source>
        <translation>Dire le &amp;dernier calcul</translation>
    </message>
    <message>
        <source>Speak &amp;Keys</source>
        <translation>Annoncer les &amp;touches</translation>
    </message>
    <message>
        <source>Read Di&amp;gits Singly</source>
        <translation>Lire &amp;chiffre par chiffre</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>Plus &amp;rapide</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>Plus &amp;lent</translation>
    </message>
    <message>
        <source>L&amp;ouder</source>
        <translation>Plus &amp;fort</translation>
    </message>
    <message>
        <source>Sof&amp;ter</source>
        <translation>&amp;Moins fort</translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <translation>&amp;Voix</translation>
    </message>
    <message>
        <source>&amp;Default Voice</source>
        <translation>Voix par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Révision</translation>
    </message>
    <message>
        <source>&amp;Say Calculation So Far</source>
        <translation>&amp;Dire le calcul en cours</translation>
    </message>
    <message>
        <source>&amp;Previous Calculation</source>
        <translation>Calcul &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Next Calculation</source>
        <translation>Calcul &amp;suivant</translation>
    </message>
    <message>
        <source>Use &amp;Result</source>
        <translation>&amp;Utiliser le résultat</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Numivox &amp;Help</source>
        <translation>&amp;Aide de Numivox</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Infinity</source>
        <translation>infini</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>pas un nombre</translation>
    </message>
    <message>
        <source>-%1</source>
        <extracomment>A negative number, %1 without its sign, as the synthesiser is given it to say</extracomment>
        <translation>négatif %1</translation>
    </message>
    <message>
        <source>%1e%2</source>
        <extracomment>A number in exponent form, as in 1.5e-07: %1 the digits before it, %2 the exponent</extracomment>
        <translation>%1 fois dix puissance %2</translation>
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
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divide by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
</context>
<context>
    <name>PagePrinting</name>
    <message>
        <source>Page: %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>zero</source>
        <translation>zéro</translation>
    </message>
    <message>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>point</source>
        <extracomment>The decimal point, as a key says it and within a number said digit by digit</extracomment>
        <translation>virgule</translation>
    </message>
    <message>
        <source>decimal point already included</source>
        <translation>virgule déjà présente</translation>
    </message>
    <message>
        <source>decimal point is already included</source>
        <extracomment>Said for a second point typed on the keyboard; the clicked key says &quot;decimal point already included&quot;</extracomment>
        <translation>la virgule est déjà présente</translation>
    </message>
    <message>
        <source>clear work area</source>
        <translation>effacer la zone de travail</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>tout effacer</translation>
    </message>
    <message>
        <source>negative</source>
        <extracomment>The sign of a negative number</extracomment>
        <translation>négatif</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égale</translation>
    </message>
    <message>
        <source>INFINITY</source>
        <extracomment>The warning after a division by zero, said before &quot;equals&quot; and the result</extracomment>
        <translation>INFINI</translation>
    </message>
    <message>
        <source>ready</source>
        <extracomment>Said as the program starts</extracomment>
        <translation>prêt</translation>
    </message>
    <message>
        <source>display empty</source>
        <translation>afficheur vide</translation>
    </message>
    <message>
        <source>transcript empty</source>
        <translation>journal vide</translation>
    </message>
    <message>
        <source>no calculation yet</source>
        <translation>aucun calcul pour l&apos;instant</translation>
    </message>
    <message>
        <source>speak keys on</source>
        <translation>annonce des touches activée</translation>
    </message>
    <message>
        <source>speak keys off</source>
        <translation>annonce des touches désactivée</translation>
    </message>
    <message>
        <source>nothing to paste</source>
        <translation>rien à coller</translation>
    </message>
    <message>
        <source>not pasted, more than 8 characters</source>
        <translation>non collé, plus de 8 caractères</translation>
    </message>
    <message>
        <source>not pasted, not a number</source>
        <translation>non collé, pas un nombre</translation>
    </message>
    <message>
        <source>not used, not a number</source>
        <translation>non utilisé, pas un nombre</translation>
    </message>
    <message>
        <source>exponent</source>
        <extracomment>Before the exponent of a number said digit by digit, as in &quot;1 point 5 exponent negative 0 7&quot;</extracomment>
        <translation>exposant</translation>
    </message>
    <message>
        <source>calculation %1 of %2, %3</source>
        <extracomment>%1: the calculation&apos;s number, %2: how many there are, %3: the calculation in words</extracomment>
        <translation>calcul %1 sur %2, %3</translation>
    </message>
    <message>
        <source>calculation %1 of %2 is the first</source>
        <extracomment>%1: the calculation&apos;s number, %2: how many there are</extracomment>
        <translation>calcul %1 sur %2, c&apos;est le premier</translation>
    </message>
    <message>
        <source>calculation %1 of %2 is the last</source>
        <extracomment>%1: the calculation&apos;s number, %2: how many there are</extracomment>
        <translation>calcul %1 sur %2, c&apos;est le dernier</translation>
    </message>
    <message>
        <source>read digits singly on</source>
        <translation>lecture chiffre par chiffre activée</translation>
    </message>
    <message>
        <source>read digits singly off</source>
        <translation>lecture chiffre par chiffre désactivée</translation>
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
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>ReleaseGate</name>
    <message>
        <source>This program requires Mac OS X 10.4 or higher. Please visit the program home page at %1 for information about versions of this program for other systems.</source>
        <extracomment>%1: the address of the program&apos;s home page</extracomment>
        <translation>Ce programme nécessite Mac OS X 10.4 ou une version ultérieure. Veuillez consulter la page d&apos;accueil du programme à l&apos;adresse %1 pour en savoir plus sur les versions de ce programme destinées à d&apos;autres systèmes.</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>enter</source>
        <translation>entrée pavé numérique</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>retour arrière</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>return</source>
        <translation>entrée</translation>
    </message>
    <message>
        <source>escape</source>
        <translation>échap</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>up</source>
        <translation>haut</translation>
    </message>
    <message>
        <source>down</source>
        <translation>bas</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>supprimer</translation>
    </message>
    <message>
        <source>control character</source>
        <translation>caractère de contrôle</translation>
    </message>
</context>
<context>
    <name>TranscriptOutcomes</name>
    <message>
        <source>copied</source>
        <translation>copié</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>aucune sélection</translation>
    </message>
    <message>
        <source>transcript copied</source>
        <translation>journal copié</translation>
    </message>
    <message>
        <source>transcript empty, clipboard emptied</source>
        <translation>journal vide, presse-papiers vidé</translation>
    </message>
    <message>
        <source>printing cancelled</source>
        <translation>impression annulée</translation>
    </message>
    <message>
        <source>nothing to print</source>
        <translation>rien à imprimer</translation>
    </message>
    <message>
        <source>not printed</source>
        <translation>non imprimé</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 page</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 pages</translation>
    </message>
    <message>
        <source>%1 printed on %2</source>
        <translation>imprimé sur %2, %1</translation>
    </message>
    <message>
        <source>%1 printed to %2</source>
        <translation>imprimé dans %2, %1</translation>
    </message>
    <message>
        <source>save cancelled</source>
        <translation>enregistrement annulé</translation>
    </message>
    <message>
        <source>not saved, %1</source>
        <translation>non enregistré, %1</translation>
    </message>
    <message>
        <source>saved as %1 in %2</source>
        <translation>enregistré sous %1 dans %2</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language, as speech-dispatcher takes it: &quot;de&quot;, &quot;fr&quot;.</extracomment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>ViewCommands</name>
    <message>
        <source>zoom %1 percent is the largest</source>
        <translation>zoom %1 pour cent, c&apos;est le maximum</translation>
    </message>
    <message>
        <source>zoom %1 percent is the largest that fits the screen</source>
        <translation>zoom %1 pour cent, c&apos;est le maximum pour cet écran</translation>
    </message>
    <message>
        <source>zoom %1 percent is the smallest</source>
        <translation>zoom %1 pour cent, c&apos;est le minimum</translation>
    </message>
    <message>
        <source>zoom %1 percent</source>
        <translation>zoom %1 pour cent</translation>
    </message>
    <message>
        <source>high contrast on</source>
        <translation>contraste élevé activé</translation>
    </message>
    <message>
        <source>high contrast off</source>
        <translation>contraste élevé désactivé</translation>
    </message>
</context>
<context>
    <name>VoiceCommands</name>
    <message>
        <source>Male 1</source>
        <translation>Homme 1</translation>
    </message>
    <message>
        <source>Male 2</source>
        <translation>Homme 2</translation>
    </message>
    <message>
        <source>Male 3</source>
        <translation>Homme 3</translation>
    </message>
    <message>
        <source>Female 1</source>
        <translation>Femme 1</translation>
    </message>
    <message>
        <source>Female 2</source>
        <translation>Femme 2</translation>
    </message>
    <message>
        <source>Female 3</source>
        <translation>Femme 3</translation>
    </message>
    <message>
        <source>Child Male</source>
        <translation>Enfant garçon</translation>
    </message>
    <message>
        <source>Child Female</source>
        <translation>Enfant fille</translation>
    </message>
    <message>
        <source>negative %1</source>
        <translation>négatif %1</translation>
    </message>
    <message>
        <source>faster %1</source>
        <translation>plus rapide %1</translation>
    </message>
    <message>
        <source>fastest</source>
        <translation>vitesse maximale</translation>
    </message>
    <message>
        <source>slower %1</source>
        <translation>plus lent %1</translation>
    </message>
    <message>
        <source>slowest</source>
        <translation>vitesse minimale</translation>
    </message>
    <message>
        <source>louder %1</source>
        <translation>plus fort %1</translation>
    </message>
    <message>
        <source>loudest</source>
        <translation>volume maximal</translation>
    </message>
    <message>
        <source>softer %1</source>
        <translation>moins fort %1</translation>
    </message>
    <message>
        <source>softest</source>
        <translation>volume minimal</translation>
    </message>
    <message>
        <source>voice %1</source>
        <translation>voix %1</translation>
    </message>
    <message>
        <source>default voice</source>
        <translation>voix par défaut</translation>
    </message>
</context>
<context>
    <name>Voicing</name>
    <message>
        <source>button</source>
        <translation>bouton</translation>
    </message>
    <message>
        <source>check box</source>
        <translation>case à cocher</translation>
    </message>
    <message>
        <source>radio button</source>
        <translation>bouton radio</translation>
    </message>
    <message>
        <source>combo box</source>
        <translation>liste déroulante</translation>
    </message>
    <message>
        <source>spin box</source>
        <translation>champ numérique</translation>
    </message>
    <message>
        <source>text field</source>
        <translation>champ de texte</translation>
    </message>
    <message>
        <source>list</source>
        <translation>liste</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>onglet</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>curseur</translation>
    </message>
    <message>
        <source>link</source>
        <translation>lien</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égale</translation>
    </message>
    <message>
        <source>control</source>
        <translation>contrôle</translation>
    </message>
    <message>
        <source>alt</source>
        <translation>alt</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>maj</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>submenu</source>
        <translation>sous-menu</translation>
    </message>
    <message>
        <source>unavailable</source>
        <translation>indisponible</translation>
    </message>
    <message>
        <source>context menu</source>
        <translation>menu contextuel</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <translation>menu %1</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>coché</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>non coché</translation>
    </message>
</context>
<context>
    <name>editFieldExtras</name>
    <message>
        <source>untitled.txt</source>
        <extracomment>The name the Save dialog offers for the transcript&apos;s file</extracomment>
        <translation>sans-titre.txt</translation>
    </message>
</context>
<context>
    <name>wAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Check for updates and other information related to Numivox online at </source>
        <translation>Mises à jour et autres informations sur Numivox en ligne à l&apos;adresse </translation>
    </message>
    <message>
        <source>Copyright © 2024 The Numivox Project. Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Copyright © 2024 The Numivox Project. Logiciel libre sous licence GNU General Public License, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>Numivox version %1</source>
        <translation>Numivox version %1</translation>
    </message>
</context>
<context>
    <name>wHelp</name>
    <message>
        <source>General Information</source>
        <translation>Généralités</translation>
    </message>
    <message>
        <source>System Requirements</source>
        <translation>Configuration requise</translation>
    </message>
    <message>
        <source>What&apos;s new in this version?</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Questions fréquentes</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Use and Distribution</source>
        <translation>Utilisation et diffusion</translation>
    </message>
    <message>
        <source>Other Titles</source>
        <translation>Autres titres</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte de l&apos;aide</translation>
    </message>
</context>
<context>
    <name>wMain</name>
    <message>
        <source>Display</source>
        <translation>Afficheur</translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation>Journal</translation>
    </message>
</context>
</TS>
