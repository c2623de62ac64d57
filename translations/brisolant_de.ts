<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
</TS>
