<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AddressProfile</name>
    <message>
        <source>a block has 1 to 16 switches</source>
        <translation>ein Block hat 1 bis 16 Schalter</translation>
    </message>
    <message>
        <source>the address switches&apos; weights are 1, 2, 4 and on, each once</source>
        <translation>die Adressschalter wiegen 1, 2, 4 und so fort, jedes Gewicht einmal</translation>
    </message>
    <message>
        <source>a block needs at least one address switch</source>
        <translation>ein Block braucht mindestens einen Adressschalter</translation>
    </message>
</context>
<context>
    <name>ChartCommand</name>
    <message>
        <source>unknown format &quot;%1&quot;; choose text, csv or pdf.</source>
        <translation>unbekanntes Format „%1“; text, csv oder pdf wählen.</translation>
    </message>
    <message>
        <source>--format %1 and the output &quot;%2&quot; disagree; give one or the other.</source>
        <translation>--format %1 und die Ausgabe „%2“ passen nicht zusammen; bitte nur eines angeben.</translation>
    </message>
    <message>
        <source>--page-size is for a PDF chart (--output FILE.pdf or --format pdf).</source>
        <translation>--page-size gilt nur für eine PDF-Tabelle (--output DATEI.pdf oder --format pdf).</translation>
    </message>
    <message>
        <source>start addresses %1</source>
        <extracomment>The title of a PDF chart of the start addresses the user typed.</extracomment>
        <translation>Startadressen %1</translation>
    </message>
    <message>
        <source>--chart-series wants FIRST,CHANNELS,COUNT: an address and two whole numbers, as in 1,16,12 or 2/1,16,12, not &quot;%1&quot;.</source>
        <translation>--chart-series erwartet ERSTE,KANÄLE,ANZAHL: eine Adresse und zwei ganze Zahlen wie 1,16,12 oder 2/1,16,12, nicht „%1“.</translation>
    </message>
    <message>
        <source>--chart-series wants a COUNT of 0 or more, not %1.</source>
        <translation>--chart-series erwartet eine ANZAHL von 0 oder mehr, nicht %1.</translation>
    </message>
    <message>
        <source>--chart-series makes at most %1 fixtures, not %2.</source>
        <translation>--chart-series erzeugt höchstens %1 Geräte, nicht %2.</translation>
    </message>
    <message>
        <source>series %1 (first, channels, count)</source>
        <extracomment>The title of a PDF chart of a series the user typed.</extracomment>
        <translation>Reihe %1 (erste, Kanäle, Anzahl)</translation>
    </message>
    <message>
        <source>a PDF chart is not for a terminal; give --output FILE.pdf, or send it into a pipe or a file.</source>
        <translation>eine PDF-Tabelle gehört nicht ins Terminal; --output DATEI.pdf angeben oder sie in eine Pipe oder Datei leiten.</translation>
    </message>
    <message>
        <source>the chart cannot be made: %1.</source>
        <translation>die Tabelle lässt sich nicht erstellen: %1.</translation>
    </message>
    <message>
        <source>the chart cannot be made: an unexpected error.</source>
        <translation>die Tabelle lässt sich nicht erstellen: ein unerwarteter Fehler.</translation>
    </message>
    <message>
        <source>the chart would overwrite %1, the file it charts; give another --output.</source>
        <translation>die Tabelle würde %1 überschreiben, die Datei, aus der sie entsteht; bitte ein anderes --output angeben.</translation>
    </message>
    <message>
        <source>unknown page size &quot;%1&quot;; choose %2.</source>
        <translation>unbekanntes Papierformat „%1“; %2 wählen.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>--profile: no profile is called &quot;%1&quot;; there are %2.</source>
        <translation>--profile: kein Profil heißt „%1“; es gibt %2.</translation>
    </message>
    <message>
        <source>unknown order &quot;%1&quot;; choose list or address.</source>
        <translation>unbekannte Reihenfolge „%1“; list oder address wählen.</translation>
    </message>
    <message>
        <source>--labels-start is for labels: give --labels SHEET.</source>
        <translation>--labels-start gilt für Etiketten: --labels BOGEN angeben.</translation>
    </message>
    <message>
        <source>--universe-map is for a text or PDF chart, not CSV.</source>
        <translation>--universe-map gilt für eine Tabelle als Text oder PDF, nicht als CSV.</translation>
    </message>
    <message>
        <source>unknown label sheet &quot;%1&quot;; choose %2.</source>
        <translation>unbekannter Etikettenbogen „%1“; %2 wählen.</translation>
    </message>
    <message>
        <source>labels are a PDF: give --output FILE.pdf, or --format pdf into a pipe.</source>
        <translation>Etiketten sind ein PDF: --output DATEI.pdf angeben, oder --format pdf in eine Pipe.</translation>
    </message>
    <message>
        <source>--page-size and --universe-map are for a chart; labels take the sheet&apos;s paper.</source>
        <translation>--page-size und --universe-map gelten für eine Tabelle; Etiketten nehmen das Papier des Bogens.</translation>
    </message>
    <message>
        <source>--labels-start is for a sheet; a tape starts where it is.</source>
        <translation>--labels-start gilt für einen Bogen; ein Band beginnt, wo es steht.</translation>
    </message>
    <message>
        <source>--labels-start wants a label from 1 to %1 of %2, not &quot;%3&quot;.</source>
        <translation>--labels-start erwartet ein Etikett von 1 bis %1 auf %2, nicht „%3“.</translation>
    </message>
</context>
<context>
    <name>ChartFile</name>
    <message>
        <source>Cannot chart &quot;%1&quot;: %2</source>
        <translation>Kann aus „%1“ keine Tabelle machen: %2</translation>
    </message>
</context>
<context>
    <name>ChartLoader</name>
    <message>
        <source>The chart window cannot be loaded: %1</source>
        <translation>Das Tabellenfenster kann nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>ChartMessages</name>
    <message>
        <source>Fixture %1</source>
        <extracomment>A fixture known only by its number in the file, or with no number by its place in the list.</extracomment>
        <translation>Gerät %1</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (Zeile %2)</translation>
    </message>
    <message>
        <source>Fixture &quot;%1&quot;</source>
        <extracomment>A fixture known by its name, at the start of a refusal.</extracomment>
        <translation>Gerät „%1“</translation>
    </message>
    <message>
        <source>Fixture %1 &quot;%2&quot;</source>
        <extracomment>A fixture known by its number and name, at the start of a refusal.</extracomment>
        <translation>Gerät %1 „%2“</translation>
    </message>
    <message>
        <source>Nothing to chart: the only fixture is not patched.</source>
        <translation>Nichts zu tabellieren: Das einzige Gerät ist nicht gepatcht.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to chart: none of the %n fixtures is patched.</source>
        <translation>
            <numerusform>Nichts zu tabellieren: Das %n Gerät ist nicht gepatcht.</numerusform>
            <numerusform>Nichts zu tabellieren: Keines der %n Geräte ist gepatcht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to chart: the only fixture is at address 512, which needs a tenth switch.</source>
        <translation>Nichts zu tabellieren: Das einzige Gerät liegt auf Adresse 512, die einen zehnten Schalter braucht.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to chart: all %n fixtures are at address 512, which needs a tenth switch.</source>
        <translation>
            <numerusform>Nichts zu tabellieren: Das %n Gerät liegt auf Adresse 512, die einen zehnten Schalter braucht.</numerusform>
            <numerusform>Nichts zu tabellieren: Alle %n Geräte liegen auf Adresse 512, die einen zehnten Schalter braucht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing to chart: none of the %n fixtures can be set with nine switches: %1 not patched, %2 at address 512, which needs a tenth switch.</source>
        <extracomment>%1 fixtures not patched and %2 at address 512, together the %n fixtures of the list.</extracomment>
        <translation>
            <numerusform>Nichts zu tabellieren: Das %n Gerät lässt sich nicht mit neun Schaltern einstellen: %1 nicht gepatcht, %2 auf Adresse 512, die einen zehnten Schalter braucht.</numerusform>
            <numerusform>Nichts zu tabellieren: Keines der %n Geräte lässt sich mit neun Schaltern einstellen: %1 nicht gepatcht, %2 auf Adresse 512, die einen zehnten Schalter braucht.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: start address &quot;%2&quot; is in none of the notations 17, 2/17, 2.17, 2-17, 2:17 or 2/17&lt;32.</source>
        <translation>%1: Startadresse „%2“ ist in keiner der Schreibweisen 17, 2/17, 2.17, 2-17, 2:17 oder 2/17&lt;32.</translation>
    </message>
    <message>
        <source>%1: no start address.</source>
        <translation>%1: keine Startadresse.</translation>
    </message>
    <message>
        <source>%1: universe %2; universes count from 1.</source>
        <translation>%1: Universe %2; Universes zählen ab 1.</translation>
    </message>
    <message>
        <source>%1: universe %2; universes count up to %3.</source>
        <translation>%1: Universe %2; Universes zählen bis %3.</translation>
    </message>
    <message>
        <source>%1: start address %2 is below 1; DMX channels start at 1.</source>
        <translation>%1: Startadresse %2 liegt unter 1; DMX-Kanäle beginnen bei 1.</translation>
    </message>
    <message>
        <source>%1: start address %2 lies past 512, the last channel of a universe.</source>
        <translation>%1: Startadresse %2 liegt hinter 512, dem letzten Kanal eines Universe.</translation>
    </message>
    <message>
        <source>%1: start address %2 is above 511 and, counted across universes, lies past universe %3.</source>
        <translation>%1: Startadresse %2 liegt über 511 und, über Universes hinweg gezählt, hinter Universe %3.</translation>
    </message>
    <message>
        <source>%1: start address %2 is above 511, the highest nine switches can set.</source>
        <translation>%1: Startadresse %2 liegt über 511, der höchsten, die neun Schalter einstellen können.</translation>
    </message>
    <message>
        <source>%1: %2 channels; a fixture takes at least 1.</source>
        <translation>%1: %2 Kanäle; ein Gerät belegt mindestens 1.</translation>
    </message>
    <message>
        <source>%1: its %2 channels run from %3 to %4, past 512.</source>
        <translation>%1: Seine %2 Kanäle reichen von %3 bis %4, über 512 hinaus.</translation>
    </message>
    <message>
        <source>%1: its %2 channels run from %3 past 512.</source>
        <translation>%1: Seine %2 Kanäle reichen von %3 über 512 hinaus.</translation>
    </message>
    <message>
        <source>Nothing to chart: no fixture was given.</source>
        <translation>Nichts zu tabellieren: Es wurde kein Gerät angegeben.</translation>
    </message>
    <message>
        <source>%1 left out: not patched.</source>
        <translation>%1 ausgelassen: nicht gepatcht.</translation>
    </message>
    <message>
        <source>%1 left out: 512 needs a tenth switch.</source>
        <translation>%1 ausgelassen: 512 braucht einen zehnten Schalter.</translation>
    </message>
    <message>
        <source>warning: %1 and %2 share channel %3 of universe %4.</source>
        <translation>Warnung: %1 und %2 teilen sich Kanal %3 von Universe %4.</translation>
    </message>
    <message>
        <source>warning: %1 and %2 share channels %3–%4 of universe %5.</source>
        <translation>Warnung: %1 und %2 teilen sich die Kanäle %3–%4 von Universe %5.</translation>
    </message>
    <message>
        <source>warning: 1 more pair of fixtures shares channels.</source>
        <translation>Warnung: Ein weiteres Gerätepaar teilt sich Kanäle.</translation>
    </message>
    <message numerus="yes">
        <source>warning: %n more pairs of fixtures share channels.</source>
        <translation>
            <numerusform>Warnung: %n weiteres Gerätepaar teilt sich Kanäle.</numerusform>
            <numerusform>Warnung: %n weitere Gerätepaare teilen sich Kanäle.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no addressing profile is called &quot;%2&quot;.</source>
        <translation>%1: kein Adressierungsprofil heißt „%2“.</translation>
    </message>
    <message>
        <source>%1: start address %2 is above %3, the highest its profile %4 sets.</source>
        <translation>%1: Startadresse %2 liegt über %3, der höchsten, die sein Profil %4 einstellt.</translation>
    </message>
    <message>
        <source>%1: start address %2 is not one its profile %3 sets, %4 + %5 × k.</source>
        <translation>%1: Startadresse %2 ist keine, die sein Profil %3 einstellt, %4 + %5 × k.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to chart: none of the %n fixtures can be set as its profile says: %1 not patched, %2 at addresses their profiles cannot set.</source>
        <extracomment>%1 fixtures not patched and %2 at addresses their profiles cannot set, together the %n fixtures of the list.</extracomment>
        <translation>
            <numerusform>Nichts zu tabellieren: keines der %n Geräte lässt sich einstellen, wie sein Profil sagt: %1 nicht gepatcht, %2 auf Adressen, die ihre Profile nicht einstellen.</numerusform>
            <numerusform>Nichts zu tabellieren: keines der %n Geräte lässt sich einstellen, wie sein Profil sagt: %1 nicht gepatcht, %2 auf Adressen, die ihre Profile nicht einstellen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 left out: start address %2 is above %3, the highest its profile %4 sets.</source>
        <translation>%1 ausgelassen: Startadresse %2 liegt über %3, der höchsten, die sein Profil %4 einstellt.</translation>
    </message>
    <message>
        <source>%1 left out: start address %2 is not one its profile %3 sets, %4 + %5 × k.</source>
        <translation>%1 ausgelassen: Startadresse %2 ist keine, die sein Profil %3 einstellt, %4 + %5 × k.</translation>
    </message>
</context>
<context>
    <name>ChartOutput</name>
    <message>
        <source>cannot write the chart to standard output: %1.</source>
        <translation>kann die Tabelle nicht auf die Standardausgabe schreiben: %1.</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2.</source>
        <translation>kann „%1“ nicht schreiben: %2.</translation>
    </message>
</context>
<context>
    <name>ChartPages</name>
    <message>
        <source>Switch chart: %1</source>
        <translation>Schaltertabelle: %1</translation>
    </message>
    <message>
        <source>Shares channels with %1</source>
        <translation>Teilt sich Kanäle mit %1</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weiteren</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nr. %1</translation>
    </message>
    <message>
        <source>Universe / start address</source>
        <translation>Universe / Startadresse</translation>
    </message>
    <message>
        <source>Start address</source>
        <translation>Startadresse</translation>
    </message>
    <message>
        <source>ON: %1</source>
        <translation>ON: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Brisolant %1. Switch 1 has weight 1, switch 9 weight 256; a lever up is ON.</source>
        <translation>Brisolant %1. Schalter 1 hat das Gewicht 1, Schalter 9 das Gewicht 256; ein Hebel oben ist ON.</translation>
    </message>
    <message>
        <source>Dials: %1</source>
        <extracomment>The digits to set on a fixture&apos;s address dials, as printed: &quot;0 5 6&quot;.</extracomment>
        <translation>Drehschalter: %1</translation>
    </message>
    <message>
        <source>Display: %1</source>
        <extracomment>The text to set on a fixture&apos;s display: &quot;A056&quot;.</extracomment>
        <translation>Display: %1</translation>
    </message>
    <message>
        <source>Brisolant %1. Each fixture as its addressing profile is set: switches numbered as printed, F a function switch; dials; a display.</source>
        <translation>Brisolant %1. Jedes Gerät, wie sein Adressierungsprofil es einstellt: Schalter numeriert wie aufgedruckt, F ein Funktionsschalter; Drehschalter; ein Display.</translation>
    </message>
    <message>
        <source>%1 at %2, switches ON: %3</source>
        <translation>%1 auf %2, Schalter ON: %3</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 auf %2, %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Chart the fixtures at these start addresses, separated by commas.</source>
        <translation>Eine Tabelle der Geräte an diesen Startadressen, durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>Chart COUNT fixtures (up to 10000) of CHANNELS channels each, the first at FIRST; one that would run past 512 starts the next universe.</source>
        <translation>Eine Tabelle von ANZAHL Geräten (bis 10000) mit je KANÄLE Kanälen, das erste an ERSTE; eines, das über 512 hinausliefe, beginnt das nächste Universe.</translation>
    </message>
    <message>
        <source>Chart a patch list or show file exported by a console, plot program or spreadsheet (see above).</source>
        <translation>Eine Tabelle aus einer Patchliste oder Showdatei, exportiert von einem Pult, einem Planungsprogramm oder einer Tabellenkalkulation (siehe oben).</translation>
    </message>
    <message>
        <source>The chart&apos;s form where the output&apos;s name does not tell it: text, csv or pdf (not onto a terminal). A name ending in .csv or .pdf and a --format that differs are refused.</source>
        <translation>Die Form der Tabelle, wo der Name der Ausgabe sie nicht sagt: text, csv oder pdf (nicht ins Terminal). Ein Name auf .csv oder .pdf mit einem anderen --format wird abgelehnt.</translation>
    </message>
    <message>
        <source>give one chart: --chart, --chart-series or --chart-patch, once.</source>
        <translation>eine Tabelle angeben: --chart, --chart-series oder --chart-patch, einmal.</translation>
    </message>
    <message>
        <source>Patch lists: CSV or tab-separated exports of consoles, plot programs and spreadsheets (UTF-8, UTF-16 or Windows-1252), or &quot;-&quot; for standard input. The header row, among the first %1 lines, names the address column: %2. Also read: %3; the name (%4); the fixture&apos;s number (%5); its channel count (%6).</source>
        <translation>Patchlisten: CSV- oder tabulatorgetrennte Exporte von Pulten, Planungsprogrammen und Tabellenkalkulationen (UTF-8, UTF-16 oder Windows-1252), oder „-“ für die Standardeingabe. Die Kopfzeile, unter den ersten %1 Zeilen, nennt die Adressspalte: %2. Außerdem gelesen: %3; der Name (%4); die Nummer des Geräts (%5); seine Kanalzahl (%6).</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Patch lists or show files to open, each in a chart window.</source>
        <translation>Patchlisten oder Showdateien, jede in einem Tabellenfenster zu öffnen.</translation>
    </message>
    <message>
        <source>[file...]</source>
        <translation>[Datei...]</translation>
    </message>
    <message>
        <source>files to open in chart windows take no chart options; --chart-patch FILE charts one without a window.</source>
        <translation>Dateien für Tabellenfenster nehmen keine Tabellen-Optionen; --chart-patch DATEI macht eine Tabelle ohne Fenster.</translation>
    </message>
    <message>
        <source>addresses</source>
        <extracomment>Stands for the --chart option&apos;s value in the help.</extracomment>
        <translation>adressen</translation>
    </message>
    <message>
        <source>first,channels,count</source>
        <extracomment>Stands for the --chart-series option&apos;s value in the help: FIRST,CHANNELS,COUNT.</extracomment>
        <translation>erste,kanäle,anzahl</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>Stands for a file&apos;s name in the help, as the value of --chart-patch and --output.</extracomment>
        <translation>datei</translation>
    </message>
    <message>
        <source>Write the chart to this file: a PDF when it ends in .pdf, CSV when it ends in .csv, else text. &quot;-&quot;, or none, is standard output. A file is replaced only by a complete chart; a device or a pipe (/dev/stdout) is written straight. The file charted is not overwritten.</source>
        <translation>Die Tabelle in diese Datei schreiben: ein PDF bei .pdf am Ende, CSV bei .csv, sonst Text. „-“ oder keine Angabe ist die Standardausgabe. Eine Datei wird nur durch eine vollständige Tabelle ersetzt; ein Gerät oder eine Pipe (/dev/stdout) wird direkt beschrieben. Die Datei, aus der die Tabelle entsteht, wird nicht überschrieben.</translation>
    </message>
    <message>
        <source>form</source>
        <extracomment>Stands for the --format option&apos;s value in the help: text, csv or pdf.</extracomment>
        <translation>form</translation>
    </message>
    <message>
        <source>Paper of a PDF chart: %1. Default: Letter or A4, after the locale&apos;s paper (LC_PAPER).</source>
        <translation>Papier einer PDF-Tabelle: %1. Vorgabe: Letter oder A4, nach dem Papier des Gebietsschemas (LC_PAPER).</translation>
    </message>
    <message>
        <source>size</source>
        <extracomment>Stands for the --page-size option&apos;s value in the help: A4, Letter and the like.</extracomment>
        <translation>format</translation>
    </message>
    <message>
        <source>&quot;-&quot; is named twice; standard input can be read only once.</source>
        <translation>„-“ ist zweimal genannt; die Standardeingabe lässt sich nur einmal lesen.</translation>
    </message>
    <message>
        <source>--output needs a file&apos;s name, or &quot;-&quot; for standard output.</source>
        <translation>--output braucht einen Dateinamen, oder „-“ für die Standardausgabe.</translation>
    </message>
    <message>
        <source>Addressing profiles say how a fixture type takes its address: built in dip9 (nine switches, the default), dip10 (switch 10 weighs 512), dip10-function-off and dip10-function-on (switch 10 a function switch set OFF or ON), dials3 (three decimal dials) and display (A001). Your own, and rules that give fixture types theirs by type and maker, exactly or with *, are read from $XDG_CONFIG_HOME/brisolant/profiles.toml (~/.config where unset), a TOML file (see the README), or from --profiles FILE instead. A patch list&apos;s Profile column wins over the rules.</source>
        <translation>Adressierungsprofile sagen, wie ein Gerätetyp seine Adresse nimmt: eingebaut dip9 (neun Schalter, die Vorgabe), dip10 (Schalter 10 wiegt 512), dip10-function-off und dip10-function-on (Schalter 10 ein Funktionsschalter auf OFF oder ON), dials3 (drei Dezimal-Drehschalter) und display (A001). Eigene, und Regeln, die Gerätetypen nach Typ und Hersteller, genau oder mit *, ihr Profil geben, stehen in $XDG_CONFIG_HOME/brisolant/profiles.toml (~/.config, wo nicht gesetzt), einer TOML-Datei (siehe README), oder stattdessen in --profiles DATEI. Die Spalte Profile einer Patchliste geht den Regeln vor.</translation>
    </message>
    <message>
        <source>Read the addressing profiles and their rules from this TOML file instead of the user&apos;s (see above).</source>
        <translation>Die Adressierungsprofile und ihre Regeln aus dieser TOML-Datei lesen statt aus der des Benutzers (siehe oben).</translation>
    </message>
    <message>
        <source>The addressing profile of every fixture that no rule and no Profile column names. Default: dip9.</source>
        <translation>Das Adressierungsprofil jedes Geräts, das keine Regel und keine Spalte Profile nennt. Vorgabe: dip9.</translation>
    </message>
    <message>
        <source>--output, --format, --page-size, --profiles and --profile need a chart: --chart, --chart-series or --chart-patch.</source>
        <translation>--output, --format, --page-size, --profiles und --profile brauchen eine Tabelle: --chart, --chart-series oder --chart-patch.</translation>
    </message>
    <message>
        <source>Shows the nine DIP switches that set a DMX512 fixture&apos;s start address.
With a chart option it prints a switch chart for a whole rig instead, with
no window: every fixture&apos;s name, universe, start address and switches.

  Brisolant --chart 1,17,33,49
  Brisolant --chart-series 2/1,16,12 --output rig.pdf
  Brisolant --chart-patch patch.csv --output rig.pdf --page-size Letter

With files named (patch lists or show files) it opens a chart window for
each: the chart as it will be printed, to print or save as PDF or CSV.

Addresses: 17, or with the universe 2/17, 2.17, 2-017 or 2:17; a number
above 512 counts across universes (513 is 2/1); 3/151&lt;153 gives the
first and last address. Universes count from 1 to 63999.

%1

Show files: MVR (with the channel counts of its GDTF files), grandMA3 and
grandMA2 XML exports, QLC+ workspaces; told apart by their content.

%2

A fixture not patched, or at an address its profile cannot set (512 with
nine switches), is left out and named on standard error with the reason;
fixtures that share channels are named there
as a warning. A fixture is named by its number in the file and its name,
with neither by its place in the list; &quot;None&quot; and a 0 that every fixture
of the file has are no numbers.

Output: text, or the form the --output name (.csv, .pdf) or --format
says; &quot;-&quot; is standard output. On a terminal the text chart starts with a
heading and fits the width, long names shortened in the middle; into a
file or a pipe it has neither, for scripts. The CSV has the columns
%3, the switches as
0 1 0 0 0 0 0 0 0 so that a spreadsheet keeps every digit, and a name
a spreadsheet would take for a formula (=, +, -, @) after an
apostrophe, as text.

Exit status: 0 done, 1 a file could not be read or written or the display
could not be opened, 2 a usage error or a chart refused.</source>
        <translation>Zeigt die neun DIP-Schalter, die die Startadresse eines DMX512-Geräts
einstellen. Mit einer Tabellen-Option druckt es stattdessen eine
Schaltertabelle für ein ganzes Rig, ohne Fenster: Name, Universe,
Startadresse und Schalter jedes Geräts.

  Brisolant --chart 1,17,33,49
  Brisolant --chart-series 2/1,16,12 --output rig.pdf
  Brisolant --chart-patch patch.csv --output rig.pdf --page-size Letter

Mit genannten Dateien (Patchlisten oder Showdateien) öffnet es für jede ein
Tabellenfenster: die Tabelle, wie sie gedruckt wird, zum Drucken oder zum
Speichern als PDF oder CSV.

Adressen: 17, oder mit dem Universe 2/17, 2.17, 2-017 oder 2:17; eine Zahl
über 512 zählt über Universes hinweg (513 ist 2/1); 3/151&lt;153 gibt die
erste und die letzte Adresse an. Universes zählen von 1 bis 63999.

%1

Showdateien: MVR (mit den Kanalzahlen seiner GDTF-Dateien), XML-Exporte
von grandMA3 und grandMA2, QLC+-Arbeitsbereiche; am Inhalt erkannt.

%2

Ein Gerät, das nicht gepatcht ist oder auf einer Adresse liegt, die sein
Profil nicht einstellt (512 mit neun Schaltern), wird ausgelassen und mit
dem Grund auf der Standardfehlerausgabe genannt; Geräte, die sich Kanäle
teilen, werden dort als Warnung genannt.
Ein Gerät heißt nach seiner Nummer in der Datei und seinem Namen, ohne
beides nach seinem Platz in der Liste; „None“ und eine 0, die jedes Gerät
der Datei hat, sind keine Nummern.

Ausgabe: Text, oder die Form, die der Name bei --output (.csv, .pdf) oder
--format angibt; „-“ ist die Standardausgabe. Im Terminal beginnt die
Texttabelle mit einer Kopfzeile und passt in die Breite, lange Namen in
der Mitte gekürzt; in eine Datei oder Pipe hat sie beides nicht, für
Skripte. Die CSV-Datei hat die Spalten
%3, die Schalter als
0 1 0 0 0 0 0 0 0, damit eine Tabellenkalkulation jede Ziffer behält,
und einen Namen, den eine Tabellenkalkulation für eine Formel hielte
(=, +, -, @), nach einem Apostroph, als Text.

Exit-Status: 0 fertig, 1 eine Datei konnte nicht gelesen oder geschrieben
oder der Bildschirm nicht geöffnet werden, 2 ein Aufruffehler oder eine
abgelehnte Tabelle.</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>Stands for the --profile option&apos;s value in the help: a profile&apos;s name.</extracomment>
        <translation>name</translation>
    </message>
    <message>
        <source>Label sheets and tapes (--labels):</source>
        <translation>Etikettenbögen und Bänder (--labels):</translation>
    </message>
    <message>
        <source>A small label holds the number, address and switches only.</source>
        <translation>Ein kleines Etikett trägt nur Nummer, Adresse und Schalter.</translation>
    </message>
    <message>
        <source>Instead of the chart, a label for each fixture on this sheet or tape (listed above), as a PDF: --output FILE.pdf.</source>
        <translation>Statt der Tabelle ein Etikett für jedes Gerät auf diesem Bogen oder Band (oben aufgeführt), als PDF: --output DATEI.pdf.</translation>
    </message>
    <message>
        <source>sheet</source>
        <extracomment>Stands for the --labels option&apos;s value in the help: a label sheet&apos;s name.</extracomment>
        <translation>bogen</translation>
    </message>
    <message>
        <source>Start at this label of a sheet partly used, counted across and then down from 1.</source>
        <translation>Bei diesem Etikett eines angebrochenen Bogens beginnen, von 1 an erst quer, dann nach unten gezählt.</translation>
    </message>
    <message>
        <source>n</source>
        <extracomment>Stands for the --labels-start option&apos;s value in the help: a label&apos;s number.</extracomment>
        <translation>n</translation>
    </message>
    <message>
        <source>The order of the chart and the labels: list (as the source lists them, the default) or address (by universe and start address).</source>
        <translation>Die Reihenfolge von Tabelle und Etiketten: list (wie die Quelle sie aufführt, die Vorgabe) oder address (nach Universe und Startadresse).</translation>
    </message>
    <message>
        <source>order</source>
        <extracomment>Stands for the --order option&apos;s value in the help: list or address.</extracomment>
        <translation>reihenfolge</translation>
    </message>
    <message>
        <source>After the chart, a map of each universe the rig uses: the fixtures&apos; channels, those shared, the free blocks. In a PDF a page per universe; as text, after an empty line, a line per fixture, shared run and free block, then the totals.</source>
        <translation>Nach der Tabelle eine Karte jedes Universe, das das Rig belegt: die Kanäle der Geräte, die geteilten, die freien Blöcke. Im PDF eine Seite je Universe; als Text nach einer Leerzeile eine Zeile je Gerät, geteilte Kanäle und freien Block, dann die Summen.</translation>
    </message>
    <message>
        <source>--labels, --labels-start, --order and --universe-map need a chart: --chart, --chart-series or --chart-patch.</source>
        <translation>--labels, --labels-start, --order und --universe-map brauchen eine Tabelle: --chart, --chart-series oder --chart-patch.</translation>
    </message>
</context>
<context>
    <name>GdtfFile</name>
    <message>
        <source>it holds no description.xml.</source>
        <translation>sie enthält keine description.xml.</translation>
    </message>
    <message>
        <source>more than %1 modes, channels, geometries and references; no fixture type has that many.</source>
        <translation>mehr als %1 Modi, Kanäle, Geometrien und Referenzen; kein Gerätetyp hat so viele.</translation>
    </message>
    <message>
        <source>the %1 of the &lt;%2&gt; at line %3 is &quot;%4&quot;, not a number.</source>
        <translation>%1 des &lt;%2&gt; in Zeile %3 ist „%4“, keine Zahl.</translation>
    </message>
</context>
<context>
    <name>Grandma2Export</name>
    <message>
        <source>address &quot;%1&quot; is not a whole number.</source>
        <translation>Adresse „%1“ ist keine ganze Zahl.</translation>
    </message>
</context>
<context>
    <name>Grandma3Export</name>
    <message>
        <source>patch &quot;%1&quot; is not Universe.Address.</source>
        <translation>Patch „%1“ ist nicht Universe.Adresse.</translation>
    </message>
</context>
<context>
    <name>HandlerBoundary</name>
    <message>
        <source>Run-time error %1: %2.</source>
        <extracomment>%1 is the error&apos;s number, which users quote to the developers; %2 its name.</extracomment>
        <translation>Laufzeitfehler %1: %2.</translation>
    </message>
    <message>
        <source>Unexpected error: %1</source>
        <extracomment>%1 is the error&apos;s own text, in English.</extracomment>
        <translation>Unerwarteter Fehler: %1</translation>
    </message>
    <message>
        <source>Unexpected error.</source>
        <translation>Unerwarteter Fehler.</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Labels: %1</source>
        <translation>Etiketten: %1</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nr. %1</translation>
    </message>
    <message>
        <source>Channels %1</source>
        <translation>Kanäle %1</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>%1 at %2, switches ON: %3</source>
        <translation>%1 auf %2, Schalter ON: %3</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 auf %2, %3</translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>A4, 21 labels of 63.5 × 38.1 mm (Avery L7160)</source>
        <translation>A4, 21 Etiketten zu 63,5 × 38,1 mm (Avery L7160)</translation>
    </message>
    <message>
        <source>A4, 14 labels of 99.1 × 38.1 mm (Avery L7163)</source>
        <translation>A4, 14 Etiketten zu 99,1 × 38,1 mm (Avery L7163)</translation>
    </message>
    <message>
        <source>A4, 65 labels of 38.1 × 21.2 mm (Avery L7651), small</source>
        <translation>A4, 65 Etiketten zu 38,1 × 21,2 mm (Avery L7651), klein</translation>
    </message>
    <message>
        <source>US Letter, 30 labels of 66.7 × 25.4 mm (Avery 5160)</source>
        <translation>US Letter, 30 Etiketten zu 66,7 × 25,4 mm (Avery 5160)</translation>
    </message>
    <message>
        <source>US Letter, 10 labels of 101.6 × 50.8 mm (Avery 5163)</source>
        <translation>US Letter, 10 Etiketten zu 101,6 × 50,8 mm (Avery 5163)</translation>
    </message>
    <message>
        <source>Tape 12 mm wide, labels 40 mm long, small</source>
        <translation>Band 12 mm breit, Etiketten 40 mm lang, klein</translation>
    </message>
    <message>
        <source>Tape 24 mm wide, labels 80 mm long</source>
        <translation>Band 24 mm breit, Etiketten 80 mm lang</translation>
    </message>
</context>
<context>
    <name>MvrFile</name>
    <message>
        <source>the GDTF file &quot;%1&quot; has more than 512 channels in DMX break %2 of mode &quot;%3&quot;</source>
        <translation>die GDTF-Datei „%1“ hat mehr als 512 Kanäle im DMX-Break %2 des Modus „%3“</translation>
    </message>
    <message>
        <source>the GDTF file &quot;%1&quot; has no channels in DMX break %2 of mode &quot;%3&quot;</source>
        <translation>die GDTF-Datei „%1“ hat keine Kanäle im DMX-Break %2 des Modus „%3“</translation>
    </message>
    <message>
        <source>a fixture names no GDTF file</source>
        <translation>ein Gerät nennt keine GDTF-Datei</translation>
    </message>
    <message>
        <source>the GDTF file &quot;%1&quot;</source>
        <translation>die GDTF-Datei „%1“</translation>
    </message>
    <message>
        <source>%1 is not there, with the scene alone</source>
        <translation>%1 fehlt, da nur die Szene vorliegt</translation>
    </message>
    <message>
        <source>%1 is not in the MVR file</source>
        <translation>%1 ist nicht in der MVR-Datei</translation>
    </message>
    <message>
        <source>note: %1; its fixtures are charted with 1 channel a break.</source>
        <translation>Hinweis: %1; ihre Geräte werden mit 1 Kanal je Break tabelliert.</translation>
    </message>
    <message>
        <source>its root element is &lt;%1&gt;, not &lt;GeneralSceneDescription&gt;.</source>
        <translation>ihr Wurzelelement ist &lt;%1&gt;, nicht &lt;GeneralSceneDescription&gt;.</translation>
    </message>
    <message>
        <source>address &quot;%1&quot; is neither a DMX address counting across universes nor Universe.Address.</source>
        <translation>Adresse „%1“ ist weder eine über Universes zählende DMX-Adresse noch Universe.Adresse.</translation>
    </message>
    <message>
        <source>no GeneralSceneDescription.xml in it, so it is no MVR file.</source>
        <translation>keine GeneralSceneDescription.xml darin, also keine MVR-Datei.</translation>
    </message>
    <message>
        <source>the break &quot;%1&quot; of its address &quot;%2&quot; is no whole number from 0.</source>
        <translation>der Break „%1“ seiner Adresse „%2“ ist keine ganze Zahl ab 0.</translation>
    </message>
</context>
<context>
    <name>NameLayout</name>
    <message>
        <source>Fixture %1</source>
        <translation>Gerät %1</translation>
    </message>
</context>
<context>
    <name>PatchList</name>
    <message>
        <source>a row of more than %1 fields; no patch list has that many columns.</source>
        <translation>eine Zeile mit mehr als %1 Feldern; keine Patchliste hat so viele Spalten.</translation>
    </message>
    <message>
        <source>a row longer than %1 characters; no patch list has rows that long.</source>
        <translation>eine Zeile mit mehr als %1 Zeichen; keine Patchliste hat so lange Zeilen.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>universe &quot;%1&quot; is not a whole number.</source>
        <translation>Universe „%1“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>its address &quot;%1&quot; ends before it starts.</source>
        <translation>seine Adresse „%1“ endet, bevor sie beginnt.</translation>
    </message>
    <message>
        <source>channel count &quot;%1&quot; is not a whole number.</source>
        <translation>Kanalzahl „%1“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>%1: no address column in its first %2 lines; looked for %3.</source>
        <translation>%1: keine Adressspalte in den ersten %2 Zeilen; gesucht wurde nach %3.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>%1, line %2: a quoted field is never closed.</source>
        <translation>%1, Zeile %2: ein Feld in Anführungszeichen wird nie geschlossen.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>is a table of profiles</source>
        <translation>ist eine Tabelle von Profilen</translation>
    </message>
    <message>
        <source>more than %1 profiles</source>
        <translation>mehr als %1 Profile</translation>
    </message>
    <message>
        <source>is no key of a profile file; it has [profile.NAME] tables and [[rule]]s</source>
        <translation>ist kein Schlüssel einer Profildatei; sie hat Tabellen [profile.NAME] und [[rule]]s</translation>
    </message>
    <message>
        <source>%1, line %2, &quot;%3&quot;: %4.</source>
        <translation>%1, Zeile %2, „%3“: %4.</translation>
    </message>
    <message>
        <source>is a whole number from %1 to %2</source>
        <translation>ist eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>is &quot;%1&quot; or &quot;%2&quot;</source>
        <translation>ist „%1“ oder „%2“</translation>
    </message>
    <message>
        <source>is a table: [profile.NAME] and its keys</source>
        <translation>ist eine Tabelle: [profile.NAME] und ihre Schlüssel</translation>
    </message>
    <message>
        <source>a profile&apos;s name is up to %1 letters, digits, &apos;-&apos;, &apos;_&apos; or &apos;.&apos;</source>
        <translation>der Name eines Profils hat bis zu %1 Buchstaben, Ziffern, „-“, „_“ oder „.“</translation>
    </message>
    <message>
        <source>is no key of a profile</source>
        <translation>ist kein Schlüssel eines Profils</translation>
    </message>
    <message>
        <source>gives one of switches, dials or display</source>
        <translation>gibt eines von switches, dials oder display an</translation>
    </message>
    <message>
        <source>is 10 or 16</source>
        <translation>ist 10 oder 16</translation>
    </message>
    <message>
        <source>another profile has this name</source>
        <translation>ein anderes Profil hat diesen Namen</translation>
    </message>
    <message>
        <source>names switches 1 to %1</source>
        <translation>nennt Schalter 1 bis %1</translation>
    </message>
    <message>
        <source>names switch %1 twice</source>
        <translation>nennt Schalter %1 zweimal</translation>
    </message>
    <message>
        <source>is a table such as { 10 = &quot;OFF = DMX&quot; }</source>
        <translation>ist eine Tabelle wie { 10 = &quot;OFF = DMX&quot; }</translation>
    </message>
    <message>
        <source>lists the address switches, weight 1 first: [1, 2, 3]</source>
        <translation>zählt die Adressschalter auf, Gewicht 1 zuerst: [1, 2, 3]</translation>
    </message>
    <message>
        <source>switch %1 is neither in address nor in function</source>
        <translation>Schalter %1 steht weder in address noch in function</translation>
    </message>
    <message>
        <source>is &quot;ON&quot; or &quot;OFF&quot;, and a label after &quot;=&quot;</source>
        <translation>ist „ON“ oder „OFF“, und eine Beschriftung nach „=“</translation>
    </message>
    <message>
        <source>a label is up to %1 characters</source>
        <translation>eine Beschriftung hat bis zu %1 Zeichen</translation>
    </message>
    <message>
        <source>is the text to set with its form, such as &quot;A001&quot;, &quot;d.001&quot; or &quot;001&quot;</source>
        <translation>ist der einzustellende Text in seiner Form, etwa „A001“, „d.001“ oder „001“</translation>
    </message>
    <message>
        <source>is a list of [[rule]] tables</source>
        <translation>ist eine Liste von Tabellen [[rule]]</translation>
    </message>
    <message>
        <source>more than %1 rules</source>
        <translation>mehr als %1 Regeln</translation>
    </message>
    <message>
        <source>is no key of a rule; it has maker, type and profile</source>
        <translation>ist kein Schlüssel einer Regel; sie hat maker, type und profile</translation>
    </message>
    <message>
        <source>is a text in quotes</source>
        <translation>ist ein Text in Anführungszeichen</translation>
    </message>
    <message>
        <source>is missing; a rule names a type</source>
        <translation>fehlt; eine Regel nennt einen Typ</translation>
    </message>
    <message>
        <source>is missing; a rule names a profile</source>
        <translation>fehlt; eine Regel nennt ein Profil</translation>
    </message>
    <message>
        <source>no profile is called &quot;%1&quot;</source>
        <translation>kein Profil heißt „%1“</translation>
    </message>
    <message>
        <source>%1: no profile file there.</source>
        <translation>%1: dort ist keine Profildatei.</translation>
    </message>
    <message>
        <source>%1: larger than %2 MiB; no profile file is that large.</source>
        <translation>%1: größer als %2 MiB; keine Profildatei ist so groß.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1, line %2: not a TOML file as written: %3.</source>
        <translation>%1, Zeile %2: keine TOML-Datei, wie geschrieben: %3.</translation>
    </message>
    <message>
        <source>%1: the choice cannot be kept there; the file is left as it was.</source>
        <translation>%1: die Wahl lässt sich dort nicht festhalten; die Datei bleibt, wie sie war.</translation>
    </message>
</context>
<context>
    <name>QlcWorkspace</name>
    <message>
        <source>%1 &quot;%2&quot; is not a whole number.</source>
        <translation>%1 „%2“ ist keine ganze Zahl.</translation>
    </message>
</context>
<context>
    <name>Rig</name>
    <message>
        <source>%1: more than %2 fixtures; no rig with address switches is that large.</source>
        <translation>%1: mehr als %2 Geräte; kein Rig mit Adressschaltern ist so groß.</translation>
    </message>
</context>
<context>
    <name>RigFile</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>cannot read the patch list &quot;%1&quot;: %2.</source>
        <translation>die Patchliste „%1“ lässt sich nicht lesen: %2.</translation>
    </message>
    <message>
        <source>%1: larger than %2, the most Brisolant reads; no show file is that large.</source>
        <translation>%1: größer als %2, das Meiste, was Brisolant liest; keine Showdatei ist so groß.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>XML with the root element &lt;%1&gt;, which is none of the rigs Brisolant reads (MVR, grandMA3, grandMA2, QLC+ workspace).</source>
        <translation>XML mit dem Wurzelelement &lt;%1&gt;, das keins der Rigs ist, die Brisolant liest (MVR, grandMA3, grandMA2, QLC+-Arbeitsbereich).</translation>
    </message>
    <message>
        <source>it is a device or a socket, not a file</source>
        <translation>es ist ein Gerät oder ein Socket, keine Datei</translation>
    </message>
</context>
<context>
    <name>TextChart</name>
    <message>
        <source>Fixture</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>Heads the column of start addresses, &quot;17&quot; or with the universe &quot;2/17&quot;.</extracomment>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>Heads the column that lists the switches to turn ON.</extracomment>
        <translation>EIN</translation>
    </message>
    <message>
        <source>Switches 1–9</source>
        <extracomment>Heads the column of the nine switches, 1 for ON and 0 for OFF, switch 1 first.</extracomment>
        <translation>Schalter 1–9</translation>
    </message>
    <message>
        <source>Switches 1–%1</source>
        <translation>Schalter 1–%1</translation>
    </message>
</context>
<context>
    <name>UniverseMapPages</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Universe map: %1</source>
        <translation>Universe-Karte: %1</translation>
    </message>
    <message>
        <source>Universe %1</source>
        <translation>Universe %1</translation>
    </message>
    <message>
        <source>Brisolant %1. A band is a fixture&apos;s channels, with its number; hatched channels are shared.</source>
        <translation>Brisolant %1. Ein Balken sind die Kanäle eines Geräts, mit seiner Nummer; schraffierte Kanäle sind geteilt.</translation>
    </message>
    <message>
        <source>%1 of 512 channels used, %2 free; the largest free block %3.</source>
        <translation>%1 von 512 Kanälen belegt, %2 frei; der größte freie Block %3.</translation>
    </message>
    <message>
        <source>Free blocks, first–last (channels):</source>
        <translation>Freie Blöcke, erster–letzter (Kanäle):</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Shared channels, first–last (channels):</source>
        <translation>Geteilte Kanäle, erster–letzter (Kanäle):</translation>
    </message>
    <message>
        <source>Universe %1: %2 of 512 channels used, %3 free; the largest free block %4. Free blocks: %5.</source>
        <translation>Universe %1: %2 von 512 Kanälen belegt, %3 frei; der größte freie Block %4. Freie Blöcke: %5.</translation>
    </message>
</context>
<context>
    <name>XmlReader</name>
    <message>
        <source>an XML text at line %1 is longer than %2 characters; no show file has texts that long.</source>
        <translation>ein XML-Text in Zeile %1 ist länger als %2 Zeichen; keine Showdatei hat so lange Texte.</translation>
    </message>
    <message>
        <source>an XML name at line %1 is longer than %2 characters; no show file has names that long.</source>
        <translation>ein XML-Name in Zeile %1 ist länger als %2 Zeichen; keine Showdatei hat so lange Namen.</translation>
    </message>
    <message>
        <source>malformed XML at line %1: %2.</source>
        <translation>fehlerhaftes XML in Zeile %1: %2.</translation>
    </message>
    <message>
        <source>XML without any element.</source>
        <translation>XML ohne ein einziges Element.</translation>
    </message>
    <message>
        <source>XML nested more than %1 elements deep at line %2; no show file needs that.</source>
        <translation>XML, mehr als %1 Elemente tief verschachtelt, in Zeile %2; keine Showdatei braucht das.</translation>
    </message>
    <message>
        <source>an XML element at line %1 has more than %2 attributes; no show file has that many.</source>
        <translation>ein XML-Element in Zeile %1 hat mehr als %2 Attribute; keine Showdatei hat so viele.</translation>
    </message>
    <message>
        <source>XML that declares entities or attributes of its own (line %1); no show file does.</source>
        <translation>XML, das eigene Entities oder Attribute deklariert (Zeile %1); keine Showdatei tut das.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands for no character</source>
        <translation>„%1“ steht für kein Zeichen</translation>
    </message>
    <message>
        <source>the file ends inside &lt;%1&gt;</source>
        <translation>die Datei endet innerhalb von &lt;%1&gt;</translation>
    </message>
    <message>
        <source>&lt;/%1&gt; ends &lt;%2&gt;</source>
        <translation>&lt;/%1&gt; beendet &lt;%2&gt;</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has an attribute given twice</source>
        <translation>&lt;%1&gt; hat ein Attribut zweimal</translation>
    </message>
    <message>
        <source>the attribute %1 is given twice</source>
        <translation>das Attribut %1 steht zweimal da</translation>
    </message>
    <message>
        <source>the namespace prefix %1 is not declared</source>
        <translation>das Namensraum-Präfix %1 ist nicht deklariert</translation>
    </message>
    <message>
        <source>&lt;%1&gt; uses a namespace prefix that is not declared</source>
        <translation>&lt;%1&gt; verwendet ein Namensraum-Präfix, das nicht deklariert ist</translation>
    </message>
    <message>
        <source>&quot;&amp;%1;&quot; stands for no character</source>
        <translation>„&amp;%1;“ steht für kein Zeichen</translation>
    </message>
    <message>
        <source>more after the root element</source>
        <translation>weiterer Inhalt nach dem Wurzelelement</translation>
    </message>
    <message>
        <source>an XML declaration not at the start of the file</source>
        <translation>eine XML-Deklaration, die nicht am Anfang der Datei steht</translation>
    </message>
    <message>
        <source>an XML declaration that is not well formed</source>
        <translation>eine XML-Deklaration, die nicht wohlgeformt ist</translation>
    </message>
    <message>
        <source>the file ends inside a tag or a comment</source>
        <translation>die Datei endet innerhalb eines Tags oder Kommentars</translation>
    </message>
    <message>
        <source>the file ends inside a character</source>
        <translation>die Datei endet mitten in einem Zeichen</translation>
    </message>
    <message>
        <source>the file ends inside a CDATA section</source>
        <translation>die Datei endet innerhalb eines CDATA-Abschnitts</translation>
    </message>
    <message>
        <source>it declares the encoding %1, which Brisolant does not read</source>
        <translation>sie deklariert die Kodierung %1, die Brisolant nicht liest</translation>
    </message>
    <message>
        <source>the encoding it declares is not the one it is written in</source>
        <translation>die deklarierte Kodierung ist nicht die, in der sie geschrieben ist</translation>
    </message>
    <message>
        <source>a namespace declaration that XML does not allow</source>
        <translation>eine Namensraum-Deklaration, die XML nicht erlaubt</translation>
    </message>
    <message>
        <source>bytes that are not in the file&apos;s encoding (UTF-8 unless it declares another)</source>
        <translation>Bytes, die nicht in der Kodierung der Datei sind (UTF-8, wenn sie keine andere deklariert)</translation>
    </message>
    <message>
        <source>a character that XML does not allow here</source>
        <translation>ein Zeichen, das XML hier nicht erlaubt</translation>
    </message>
    <message>
        <source>markup that is not well formed</source>
        <translation>Markup, das nicht wohlgeformt ist</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>not a zip archive, or one cut short</source>
        <translation>kein Zip-Archiv, oder ein abgeschnittenes</translation>
    </message>
    <message>
        <source>a zip archive whose directory is damaged</source>
        <translation>ein Zip-Archiv mit beschädigtem Verzeichnis</translation>
    </message>
    <message>
        <source>the entries read inflate past %1 in all</source>
        <translation>die gelesenen Einträge entpacken sich auf mehr als %1 insgesamt</translation>
    </message>
    <message>
        <source>a zip archive of more than %1 entries; no show file has that many</source>
        <translation>ein Zip-Archiv mit mehr als %1 Einträgen; keine Showdatei hat so viele</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; is encrypted</source>
        <translation>der Eintrag „%1“ ist verschlüsselt</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; is compressed in a way Brisolant does not read (method %2)</source>
        <translation>der Eintrag „%1“ ist auf eine Art gepackt, die Brisolant nicht liest (Methode %2)</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; is damaged</source>
        <translation>der Eintrag „%1“ ist beschädigt</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; inflates past %2</source>
        <translation>der Eintrag „%1“ entpackt sich auf mehr als %2</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; is damaged (its checksum is wrong)</source>
        <translation>der Eintrag „%1“ ist beschädigt (seine Prüfsumme stimmt nicht)</translation>
    </message>
</context>
<context>
    <name>brisolant::ChartPageView</name>
    <message>
        <source>Chart page</source>
        <translation>Tabellenseite</translation>
    </message>
    <message>
        <source>Page %1 of %2. %3</source>
        <translation>Seite %1 von %2. %3</translation>
    </message>
</context>
<context>
    <name>brisolant::ChartWindow</name>
    <message>
        <source>%1 – switch chart</source>
        <translation>%1 – Schaltertabelle</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Prints the chart through the system&apos;s print dialog.</source>
        <translation>Druckt die Tabelle über den Druckdialog des Systems.</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>Saves the chart as a PDF file, as it is shown.</source>
        <translation>Speichert die Tabelle als PDF-Datei, wie sie angezeigt wird.</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>Als &amp;CSV speichern…</translation>
    </message>
    <message>
        <source>Saves the chart as CSV for spreadsheets and scripts.</source>
        <translation>Speichert die Tabelle als CSV für Tabellenkalkulationen und Skripte.</translation>
    </message>
    <message>
        <source>P&amp;aper:</source>
        <translation>P&amp;apier:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>The paper the chart is laid out for.</source>
        <translation>Das Papier, für das die Tabelle gesetzt ist.</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Shows the page smaller.</source>
        <translation>Zeigt die Seite kleiner.</translation>
    </message>
    <message>
        <source>&amp;Fit page</source>
        <translation>Ganze &amp;Seite</translation>
    </message>
    <message>
        <source>Shows the whole page in the window.</source>
        <translation>Zeigt die ganze Seite im Fenster.</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Shows the page larger.</source>
        <translation>Zeigt die Seite größer.</translation>
    </message>
    <message>
        <source>Notes on the file</source>
        <translation>Hinweise zur Datei</translation>
    </message>
    <message>
        <source>Fixtures left off the chart and why, fixtures that share channels, and what the file lacked.</source>
        <translation>Geräte, die in der Tabelle fehlen, und warum; Geräte, die sich Kanäle teilen; und was der Datei fehlte.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Print the switch chart</source>
        <translation>Die Schaltertabelle drucken</translation>
    </message>
    <message>
        <source>The chart could not be printed on &quot;%1&quot;.</source>
        <translation>Die Tabelle konnte nicht auf „%1“ gedruckt werden.</translation>
    </message>
    <message>
        <source>Save the chart as PDF</source>
        <translation>Die Tabelle als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Save the chart as CSV</source>
        <translation>Die Tabelle als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Kann „%1“ nicht schreiben: %2.</translation>
    </message>
    <message>
        <source>The chart shows the choice, but it is not kept for the next rig: %1</source>
        <translation>Die Tabelle zeigt die Wahl, doch sie wird nicht für das nächste Rig festgehalten: %1</translation>
    </message>
    <message>
        <source>&amp;Labels…</source>
        <translation>&amp;Etiketten…</translation>
    </message>
    <message>
        <source>Shows a label for each fixture, to print on a label sheet or tape.</source>
        <translation>Zeigt ein Etikett für jedes Gerät, zum Drucken auf einen Etikettenbogen oder ein Band.</translation>
    </message>
    <message>
        <source>Not saved: &quot;%1&quot; is the file the chart was read from.</source>
        <translation>Nicht gespeichert: „%1“ ist die Datei, aus der die Tabelle gelesen wurde.</translation>
    </message>
</context>
<context>
    <name>brisolant::DisplayCheck</name>
    <message>
        <source>Brisolant needs a graphical desktop, but no display was found (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>Brisolant braucht eine grafische Oberfläche, aber es wurde kein Bildschirm gefunden (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt).</translation>
    </message>
    <message>
        <source>Brisolant cannot open an X11 display: DISPLAY is not set.</source>
        <translation>Brisolant kann keinen X11-Bildschirm öffnen: DISPLAY ist nicht gesetzt.</translation>
    </message>
    <message>
        <source>Brisolant cannot open the X11 display &quot;%1&quot;: that is no display name.</source>
        <extracomment>%1 is the display&apos;s name as given (DISPLAY or -display).</extracomment>
        <translation>Brisolant kann den X11-Bildschirm „%1“ nicht öffnen: Das ist kein Bildschirmname.</translation>
    </message>
    <message>
        <source>Brisolant cannot open the X11 display &quot;%1&quot;: it has no such screen.</source>
        <translation>Brisolant kann den X11-Bildschirm „%1“ nicht öffnen: Einen solchen Bildschirm gibt es dort nicht.</translation>
    </message>
    <message>
        <source>Brisolant cannot open the X11 display &quot;%1&quot;: no X server answers there, or it refused the connection.</source>
        <translation>Brisolant kann den X11-Bildschirm „%1“ nicht öffnen: Dort antwortet kein X-Server, oder er hat die Verbindung abgelehnt.</translation>
    </message>
</context>
<context>
    <name>brisolant::LabelsDialog</name>
    <message>
        <source>%1 – labels</source>
        <translation>%1 – Etiketten</translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation>&amp;Bogen:</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Bogen</translation>
    </message>
    <message>
        <source>The label sheet or tape the labels are printed on.</source>
        <translation>Der Etikettenbogen oder das Band, auf das die Etiketten gedruckt werden.</translation>
    </message>
    <message>
        <source>S&amp;tart at label:</source>
        <translation>Ab &amp;Etikett:</translation>
    </message>
    <message>
        <source>Start at label</source>
        <translation>Ab Etikett</translation>
    </message>
    <message>
        <source>The first label to print on, counted across and then down, for a sheet partly used.</source>
        <translation>Das erste Etikett, auf das gedruckt wird, erst quer, dann nach unten gezählt, für einen angebrochenen Bogen.</translation>
    </message>
    <message>
        <source>&amp;Print labels…</source>
        <translation>Etiketten &amp;drucken…</translation>
    </message>
    <message>
        <source>Prints the labels through the system&apos;s print dialog.</source>
        <translation>Druckt die Etiketten über den Druckdialog des Systems.</translation>
    </message>
    <message>
        <source>Save labels as P&amp;DF…</source>
        <translation>Etiketten als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>Saves the labels as a PDF file, as they are shown.</source>
        <translation>Speichert die Etiketten als PDF-Datei, wie sie angezeigt werden.</translation>
    </message>
    <message>
        <source>Labels page</source>
        <translation>Etikettenseite</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Print the labels</source>
        <translation>Die Etiketten drucken</translation>
    </message>
    <message>
        <source>The labels could not be printed on &quot;%1&quot;.</source>
        <translation>Die Etiketten konnten nicht auf „%1“ gedruckt werden.</translation>
    </message>
    <message>
        <source>Save the labels as PDF</source>
        <translation>Die Etiketten als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Kann „%1“ nicht schreiben: %2.</translation>
    </message>
    <message>
        <source>Not saved: &quot;%1&quot; is the file the chart was read from.</source>
        <translation>Nicht gespeichert: „%1“ ist die Datei, aus der die Tabelle gelesen wurde.</translation>
    </message>
</context>
<context>
    <name>brisolant::ProfilePanel</name>
    <message>
        <source>Fixture &amp;types:</source>
        <translation>Geräte&amp;typen:</translation>
    </message>
    <message>
        <source>Fixture types</source>
        <translation>Gerätetypen</translation>
    </message>
    <message>
        <source>Each fixture type of the file, how many fixtures it has and the addressing profile they are charted with.</source>
        <translation>Jeder Gerätetyp der Datei, wie viele Geräte er hat und mit welchem Adressierungsprofil sie tabelliert werden.</translation>
    </message>
    <message>
        <source>P&amp;rofile:</source>
        <translation>P&amp;rofil:</translation>
    </message>
    <message>
        <source>Addressing profile</source>
        <translation>Adressierungsprofil</translation>
    </message>
    <message>
        <source>How the fixtures of the chosen type take their start address. The chart is drawn again at once, and the choice is kept for the next rig with this type.</source>
        <translation>Wie die Geräte des gewählten Typs ihre Startadresse nehmen. Die Tabelle wird sofort neu gezeichnet, und die Wahl wird für das nächste Rig mit diesem Typ festgehalten.</translation>
    </message>
    <message>
        <source>No type named</source>
        <extracomment>Fixtures whose file names no fixture type.</extracomment>
        <translation>Kein Typ genannt</translation>
    </message>
    <message>
        <source>%1: 1 fixture, %2</source>
        <extracomment>A fixture type, how many fixtures of it the rig has, and its addressing profile.</extracomment>
        <translation>%1: 1 Gerät, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n fixtures, %2</source>
        <translation>
            <numerusform>%1: %n Gerät, %2</numerusform>
            <numerusform>%1: %n Geräte, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>brisolant::ReadingPanel</name>
    <message>
        <source>Reading &quot;%1&quot;…</source>
        <translation>„%1“ wird gelesen…</translation>
    </message>
    <message>
        <source>Reading the file</source>
        <translation>Die Datei wird gelesen</translation>
    </message>
    <message>
        <source>How much of the file has been read.</source>
        <translation>Wie viel der Datei schon gelesen ist.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>Stops reading the file and closes the window.</source>
        <translation>Bricht das Lesen der Datei ab und schließt das Fenster.</translation>
    </message>
</context>
<context>
    <name>brisolant::RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Invalid start address</source>
        <translation>Ungültige Startadresse</translation>
    </message>
</context>
<context>
    <name>brisolant::ShowAbout</name>
    <message>
        <source>%1 1.0 (Release %2)</source>
        <extracomment>The About message&apos;s first line: %1 the program&apos;s file name, %2 its release (1.3.0).</extracomment>
        <translation>%1 1.0 (Version %2)</translation>
    </message>
</context>
<context>
    <name>brisolant::frmMainSmall</name>
    <message>
        <source>DMX start address. Press F2 to type an address.</source>
        <translation>DMX-Startadresse. Mit F2 eine Adresse eingeben.</translation>
    </message>
    <message>
        <source>Info</source>
        <extracomment>The button that shows the About message; the window&apos;s size is fixed, so keep it short.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that ends the program; the window&apos;s size is fixed, so keep it short.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>0</source>
        <extracomment>The caption of a switch&apos;s lower half, which selects ON; 25 pixels wide.</extracomment>
        <translation>0</translation>
    </message>
    <message>
        <source>Switch %1 OFF</source>
        <extracomment>A screen reader&apos;s name of a switch&apos;s upper half; %1 is the switch&apos;s weight.</extracomment>
        <translation>Schalter %1 AUS</translation>
    </message>
    <message>
        <source>Switch %1 ON</source>
        <extracomment>A screen reader&apos;s name of a switch&apos;s lower half; %1 is the switch&apos;s weight.</extracomment>
        <translation>Schalter %1 EIN</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <extracomment>The title of the pop-up menu, never shown; German in every language so far.</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>A menu item: all switches OFF.</extracomment>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Start address %1. Upper half of the switch of weight %2: selected while it is OFF.</source>
        <translation>Startadresse %1. Obere Hälfte des Schalters mit dem Wert %2: gewählt, solange er AUS ist.</translation>
    </message>
    <message>
        <source>Start address %1. Lower half of the switch of weight %2: selected while it is ON and %2 counts in the address.</source>
        <translation>Startadresse %1. Untere Hälfte des Schalters mit dem Wert %2: gewählt, solange er EIN ist und %2 zur Adresse zählt.</translation>
    </message>
    <message>
        <source>Start address</source>
        <translation>Startadresse</translation>
    </message>
    <message>
        <source>Type a start address from 0 to 511 and press Enter; Escape cancels.</source>
        <translation>Eine Startadresse von 0 bis 511 eingeben und Eingabe drücken; Escape bricht ab.</translation>
    </message>
    <message>
        <source>Type a whole start address from 0 to 511.</source>
        <extracomment>Ends every refusal of a typed address.</extracomment>
        <translation>Bitte eine ganze Startadresse von 0 bis 511 eingeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number. %2</source>
        <extracomment>%1 is the text typed (cut short when long); %2 says what is accepted.</extracomment>
        <translation>„%1“ ist keine ganze Zahl. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is far too large for a start address. %2</source>
        <extracomment>%1 is the number typed (cut short when long); %2 says what is accepted.</extracomment>
        <translation>„%1“ ist viel zu groß für eine Startadresse. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address nine switches can set. %2</source>
        <extracomment>%1 is the number typed, below 0 or above 511; %2 says what is accepted.</extracomment>
        <translation>„%1“ ist keine Adresse, die neun Schalter einstellen können. %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Without one, &quot;Brisolant --chart-patch %1&quot; writes the chart.</source>
        <translation>Ohne einen schreibt „Brisolant --chart-patch %1“ die Tabelle.</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>See &quot;Brisolant --help&quot;.</source>
        <translation>Siehe „Brisolant --help“.</translation>
    </message>
</context>
</TS>
