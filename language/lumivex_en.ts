<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>Infos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Interaktives Programm zeigt Leistungs- daten von Objektiven</source>
        <translation>Interactive program showing the performance data of lenses</translation>
    </message>
</context>
<context>
    <name>AnalysisWindow</name>
    <message>
        <source>Lumivex – Analyse</source>
        <translation>Lumivex – Analysis</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Ansichten der Analyse</source>
        <translation>Views of the analysis</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Karte</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Kennzahlen</source>
        <translation>Figures</translation>
    </message>
</context>
<context>
    <name>AxisTexts</name>
    <message>
        <source>                   Bildhöhe [%]      </source>
        <translation>                 Image height [%]    </translation>
    </message>
    <message>
        <source>                     Blendenzahl                       </source>
        <translation>                      F-number                        </translation>
    </message>
    <message>
        <source>                     Linienpaare             </source>
        <translation>                     Line pairs             </translation>
    </message>
    <message>
        <source>                           Bildhöhe               </source>
        <translation>                        Image height            </translation>
    </message>
    <message>
        <source>                Abbildungsmaßstab</source>
        <translation>                   Magnification</translation>
    </message>
</context>
<context>
    <name>BatchExport</name>
    <message>
        <source>: Das Verzeichnis kann nicht gelesen werden</source>
        <translation>: The directory cannot be read</translation>
    </message>
    <message>
        <source>%1 geschrieben, %2 fehlerhaft
</source>
        <translation>%1 written, %2 failed
</translation>
    </message>
    <message>
        <source>: Warnung: %1</source>
        <translation>: Warning: %1</translation>
    </message>
    <message>
        <source> Dateien</source>
        <translation> files</translation>
    </message>
    <message>
        <source>„%1“ und „%2“ haben denselben Namen; jede Ausgabedatei wird nur einmal geschrieben
</source>
        <translation>“%1” and “%2” have the same name; each output file is written only once
</translation>
    </message>
    <message>
        <source>Das Verzeichnis „%1“ kann nicht angelegt werden
</source>
        <translation>The directory “%1” cannot be created
</translation>
    </message>
    <message>
        <source>: Eine andere Datei mit demselben Namen wird schon nach „%1“ exportiert</source>
        <translation>: Another file with the same name is already being exported to “%1”</translation>
    </message>
</context>
<context>
    <name>CommandArguments</name>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Unerwartetes Argument %1</source>
        <translation>Unexpected argument %1</translation>
    </message>
    <message>
        <source>Option %1 erwartet eine ganze Zahl ab 1, nicht %2</source>
        <translation>Option %1 expects a whole number from 1, not %2</translation>
    </message>
    <message>
        <source>Option --abscissa erwartet k, lpmm, y oder m, nicht %1</source>
        <translation>Option --abscissa expects k, lpmm, y or m, not %1</translation>
    </message>
    <message>
        <source>Option --frequencies erwartet ganze Zahlen ab 1, durch Kommas getrennt, nicht %1</source>
        <translation>Option --frequencies expects whole numbers from 1, separated by commas, not %1</translation>
    </message>
    <message>
        <source>Option %1: %2 liegt außerhalb von %3</source>
        <translation>Option %1: %2 is outside %3</translation>
    </message>
    <message>
        <source>Option --scale gilt nur für .png</source>
        <translation>Option --scale applies to .png only</translation>
    </message>
    <message>
        <source>Option --overlay-all gilt nicht für .pdf: der Bericht zeigt eine Auswahl</source>
        <translation>Option --overlay-all does not apply to .pdf: the report shows one selection</translation>
    </message>
    <message>
        <source>Option --overlay-all zeichnet jede Blendenzahl; --f-number passt nicht dazu</source>
        <translation>Option --overlay-all draws every f-number; --f-number does not go with it</translation>
    </message>
    <message>
        <source>Option --overlay-all zeichnet über k jeden Abbildungsmaßstab; --magnification passt nicht dazu</source>
        <translation>Option --overlay-all draws every magnification over k; --magnification does not go with it</translation>
    </message>
    <message>
        <source>Option --export erwartet nach %1 die Linsendatei</source>
        <translation>Option --export expects the lens file after %1</translation>
    </message>
    <message>
        <source>Unbekannte Endung bei %1: --export schreibt .png, .svg, .pdf oder .csv</source>
        <translation>Unknown extension in %1: --export writes .png, .svg, .pdf or .csv</translation>
    </message>
    <message>
        <source>Option --export-dir erwartet Linsendateien, Verzeichnisse oder - (Namen auf stdin)</source>
        <translation>Option --export-dir expects lens files, directories or - (names on stdin)</translation>
    </message>
    <message>
        <source>„-“ (Namen auf stdin) ist mehrfach angegeben</source>
        <translation>“-” (names on stdin) is given more than once</translation>
    </message>
    <message>
        <source>Option --export-dir erwartet --format png, svg, pdf oder csv</source>
        <translation>Option --export-dir expects --format png, svg, pdf or csv</translation>
    </message>
    <message>
        <source>Option %1 erwartet keinen Wert</source>
        <translation>Option %1 takes no value</translation>
    </message>
    <message>
        <source>Unbekannte Option %1</source>
        <translation>Unknown option %1</translation>
    </message>
    <message>
        <source>Option %1 erwartet einen Wert</source>
        <translation>Option %1 expects a value</translation>
    </message>
    <message>
        <source>Option %1 ist mehrfach angegeben</source>
        <translation>Option %1 is given more than once</translation>
    </message>
    <message>
        <source>Die Optionen %1 und %2 schließen einander aus</source>
        <translation>Options %1 and %2 exclude each other</translation>
    </message>
    <message>
        <source>Option %1 erwartet ein Verzeichnis</source>
        <translation>Option %1 expects a directory</translation>
    </message>
    <message>
        <source>Option %1 erwartet einen Dateinamen</source>
        <translation>Option %1 expects a file name</translation>
    </message>
    <message>
        <source>Option --lang erwartet de oder en, nicht %1</source>
        <translation>Option --lang expects de or en, not %1</translation>
    </message>
    <message>
        <source>Option --format erwartet png, svg, pdf oder csv, nicht %1</source>
        <translation>Option --format expects png, svg, pdf or csv, not %1</translation>
    </message>
    <message>
        <source>Option %1 erwartet eine ganze Zahl von %2 bis %3, nicht %4</source>
        <translation>Option %1 expects a whole number from %2 to %3, not %4</translation>
    </message>
    <message>
        <source>Option --at erwartet eine Zahl mit Dezimalpunkt, nicht %1</source>
        <translation>Option --at expects a number with a decimal point, not %1</translation>
    </message>
    <message>
        <source>Option %1 gilt nur zusammen mit --dump</source>
        <translation>Option %1 applies only together with --dump</translation>
    </message>
    <message>
        <source>Option %1 gilt nur zusammen mit --export oder --export-dir</source>
        <translation>Option %1 applies only together with --export or --export-dir</translation>
    </message>
    <message>
        <source>Option %1 gilt nur zusammen mit --export-dir</source>
        <translation>Option %1 applies only together with --export-dir</translation>
    </message>
    <message>
        <source>„-“ (Namen auf stdin) gilt nur zusammen mit --export-dir oder --figures</source>
        <translation>“-” (names on stdin) applies only together with --export-dir or --figures</translation>
    </message>
    <message>
        <source>1..%1 (Blendenzahlen der Datei)</source>
        <translation>1..%1 (the file’s f-numbers)</translation>
    </message>
    <message>
        <source>1..%1 (Bildhöhen der Datei)</source>
        <translation>1..%1 (the file’s image heights)</translation>
    </message>
    <message>
        <source>1..%1 (Abbildungsmaßstäbe der Datei)</source>
        <translation>1..%1 (the file’s magnifications)</translation>
    </message>
    <message>
        <source>1..%1 (Ortsfrequenzen der Datei)</source>
        <translation>1..%1 (the file’s spatial frequencies)</translation>
    </message>
    <message>
        <source>--dump ... --at X, der Schlüssel Probe:
  Abscissa   k, lpmm, y oder m
  At         X, in den Einheiten der Abszisse
  Position   X auf der Abszisse der Kurven (wie KnotX): bei k, lpmm und m die
             Position in der Liste der Datei, linear zwischen den beiden
             Nachbarwerten (null außerhalb der Liste); bei y X / 100 mal
             MaxImageHeight in mm
  Curves     je gewählter Ortsfrequenz, aufsteigend: FrequencyIndex, Sag und
             Tan (der Spline der Kurve an Position), Node (true an einer
             Stützstelle, auf 1e-9 relativ genau: dann die Tabellenwerte).
             Außerhalb der Kurve (bei y unter 0 oder über der letzten nutzbaren
             Bildhöhe ihrer Zeile) sind Sag und Tan null.
  CompareCurves  mit --compare: dasselbe für die Kurven von DATEI2
  Ein X, das keine Zahl ist, oder ein Listeneintrag der Abszisse, der keine
  Zahl ist, ist ein falscher Aufruf (Exit-Status 2).

--dump ... --compare DATEI2, der Schlüssel Compare:
  LensName   der Name des Vergleichsobjektivs
  Curves     je Kurve von DATEI, deren feste Werte (Blendenzahl, Ortsfrequenz,
             Bildhöhe, Abbildungsmaßstab) DATEI2 mit demselben Zahlenwert hat
             (auf 1e-6 relativ genau), dieselben Schlüssel wie Curves von DATEI;
             FrequencyIndex zählt in DATEI2, KnotX liegt auf der Abszisse von
             DATEI (bei k, lpmm und m die Position des Werts in der Liste von
             DATEI, Werte außerhalb fallen weg; bei y die Bildhöhe in mm, über
             der größten Bildhöhe von DATEI fällt sie weg)
  Missing    je fehlendem Wert: FrequencyIndex (von DATEI), Variable
             (f_number, frequency, image_height, magnification), Value (der
             Text aus DATEI) und Text (&quot;Vergleichsobjektiv: keine ...&quot;)

--export, Formate nach der Endung von AUSGABE:
  .png   das Diagramm, 250 x 250 Pixel, wie es das Fenster nach dem Zeichnen in der
         Einzelgrafik zeigt
  .svg   dasselbe Diagramm als Vektorgrafik
  .pdf   der einseitige Bericht, wie er gedruckt wird
  .csv   die Punkte hinter dem Diagramm, eine Zeile je Punkt, Kopfzeile,
         Trennzeichen Semikolon, Dezimalpunkt. Spalten:
           frequency_index   Nummer der Ortsfrequenz dieses Durchgangs
           frequency, f_number, image_height, magnification
                             die festen Werte als Texte der Datei; die Spalte
                             der Abszisse bleibt leer
           series            S sagittal, T tangential
           kind              node = Stützpunkt aus der Tabelle (gemessen),
                             sample = einer der 101 Werte des Splines
           point             Nummer des Punkts: 1..Stützpunktzahl bzw. 1..101
           abscissa          x-Wert der Kurve selbst, nicht auf das Diagramm
                             skaliert: bei k, lpmm und m die Position 0, 1, 2 ...
                             in der Liste der Datei, bei y die Bildhöhe in mm
                             (der erste Stützpunkt ist die zweite Bildhöhe,
                             an der Achse gespiegelt)
           modulation_percent  Modulation in %
Mit --compare steht vor allen Spalten lens (1 DATEI, 2 DATEI2); die Zeilen von
DATEI2 folgen je Durchgang denen von DATEI, mit den festen Werten und Tabellen-
werten von DATEI2 und der Abszisse, an der sie auf der Achse von DATEI liegen.
Die Beschriftung folgt dem Fenster: bei Abszisse y die Texte, mit denen das
Fenster startet, sonst die Texte nach der Wahl der Abszisse.
Spline-Warnungen erscheinen als Zeilen &quot;Warnung: ...&quot; auf stderr.
Der Bericht (.pdf) trägt Datum und Uhrzeit des Aufrufs, oder den Zeitpunkt aus der
Umgebungsvariablen SOURCE_DATE_EPOCH (Sekunden seit 1970, UTC), wenn sie gesetzt ist.

--map, die Werte hinter der Karte (.csv): 101 x 101 Punkte gleichmäßig über beide
  Achsen (Enden eingeschlossen; die Blendenzahl in Blendenstufen), x läuft zuerst;
  Kopfzeile image_height_mm;frequency_lpmm;sag;tan, image_height_mm;f_number;sag;tan
  oder x_mm;y_mm;sag;tan (Punkte außerhalb des Formats fehlen); mit --compare
  sag_difference;tan_difference (A - B; Punkte, die DATEI2 nicht abdeckt, fehlen).

--export-dir, ein Katalog in einem Lauf:
  Für jede Linsendatei entsteht VERZEICHNIS/&lt;Dateiname ohne Endung&gt;.&lt;FORMAT&gt;, Byte
  für Byte wie mit --export; VERZEICHNIS wird bei Bedarf angelegt. DATEI ist eine
  Linsendatei, ein Verzeichnis (seine Dateien auf .mtf, nach Namen sortiert, ohne
  Unterverzeichnisse) oder - (Dateinamen auf stdin, einer je Zeile, gelesen,
  während die Arbeit läuft). Eine Datei, die nicht gelingt, wird als
  &quot;DATEI:ZEILE: Meldung&quot; oder &quot;DATEI: Meldung&quot; auf stderr gemeldet und
  übersprungen, die übrigen werden geschrieben; Warnungen als &quot;DATEI: Warnung: ...&quot;.
  Zwei DATEIen mit demselben Namen sind ein Aufruffehler, und nichts wird
  geschrieben; kommt der zweite Name erst über stdin, ist nur noch diese Datei
  fehlerhaft (die erste kann schon geschrieben sein). Die Meldungen folgen der
  Reihenfolge der Dateien, und das Ergebnis hängt nicht von --jobs ab. Auf einem
  Terminal zeigt stderr den Fortschritt (&quot;123/5000 Dateien&quot;); am Ende steht
  &quot;N geschrieben, M fehlerhaft&quot;.

Beispiele:
  lumivex examples/vollformat-objektiv.mtf
  lumivex --dump examples/vollformat-objektiv.mtf --abscissa k --frequencies 1,3
  lumivex --dump examples/vollformat-objektiv.mtf --abscissa k --at 4.5
  lumivex --export diagramm.png examples/vollformat-objektiv.mtf --scale 4
  lumivex --export diagramm.svg examples/vollformat-objektiv.mtf --abscissa m --f-number 3
  lumivex --export bericht.pdf examples/vollformat-objektiv.mtf --frequencies 2,4,6
  lumivex --export punkte.csv examples/vollformat-objektiv.mtf --overlay-all
  lumivex --export vergleich.png examples/vollformat-objektiv.mtf --abscissa lpmm
          --compare examples/vergleich-normal-1.8.mtf
  lumivex --export-dir diagramme --format png katalog/ --frequencies 2,4
  find katalog -name &apos;*.mtf&apos; | lumivex --export-dir diagramme --format png -
  lumivex --map karte.png examples/vollformat-objektiv.mtf --f-number 3
  lumivex --map feld.svg examples/vollformat-objektiv.mtf --map-kind field --field 3:2

Exit-Status: 0 erfolgreich, 1 Datei nicht lesbar, fehlerhaft oder nicht schreibbar
(bei --export-dir: mindestens eine), 2 falscher Aufruf.
</source>
        <translation>--dump ... --at X, the key Probe:
  Abscissa   k, lpmm, y or m
  At         X, in the units of the abscissa
  Position   X on the abscissa of the curves (as KnotX): for k, lpmm and m the
             position in the file&apos;s list, linear between the two neighbouring
             values (null outside the list); for y X / 100 times
             MaxImageHeight in mm
  Curves     for each chosen spatial frequency, ascending: FrequencyIndex, Sag
             and Tan (the curve&apos;s spline at Position), Node (true at a support
             point, to 1e-9 relative: then the table values).
             Outside the curve (for y below 0 or above the last usable image
             height of its row) Sag and Tan are null.
  CompareCurves  with --compare: the same for the curves of FILE2
  An X that is no number, or an entry of the abscissa&apos;s list that is no
  number, is a wrong call (exit status 2).

--dump ... --compare FILE2, the key Compare:
  LensName   the name of the reference lens
  Curves     for each curve of FILE whose fixed values (f-number, spatial
             frequency, image height, magnification) FILE2 has with the same
             numeric value (to 1e-6 relative), the same keys as Curves of FILE;
             FrequencyIndex counts in FILE2, KnotX lies on the abscissa of FILE
             (for k, lpmm and m the value&apos;s position in the list of FILE, values
             outside are dropped; for y the image height in mm, dropped above
             the largest image height of FILE)
  Missing    for each missing value: FrequencyIndex (of FILE), Variable
             (f_number, frequency, image_height, magnification), Value (the
             text from FILE) and Text (&quot;Reference lens: no ...&quot;)

--export, formats by the extension of OUTPUT:
  .png   the chart, 250 x 250 pixels, as the window shows it after drawing in
         single graph mode
  .svg   the same chart as vector graphics
  .pdf   the one-page report, as it is printed
  .csv   the points behind the chart, one line per point, a header line,
         separator semicolon, decimal point. Columns:
           frequency_index   number of the spatial frequency of this pass
           frequency, f_number, image_height, magnification
                             the fixed values as texts of the file; the column
                             of the abscissa stays empty
           series            S sagittal, T tangential
           kind              node = support point from the table (measured),
                             sample = one of the spline&apos;s 101 values
           point             number of the point: 1..support points or 1..101
           abscissa          x value of the curve itself, not scaled to the
                             chart: for k, lpmm and m the position 0, 1, 2 ...
                             in the file&apos;s list, for y the image height in mm
                             (the first support point is the second image
                             height, mirrored at the axis)
           modulation_percent  modulation in %
With --compare a column lens comes first (1 FILE, 2 FILE2); in each pass the
lines of FILE2 follow those of FILE, with the fixed values and table values of
FILE2 and the abscissa at which they lie on the axis of FILE.
The labels follow the window: for abscissa y the texts the window starts with,
otherwise the texts after choosing the abscissa.
Spline warnings appear as lines &quot;Warning: ...&quot; on stderr.
The report (.pdf) carries the date and time of the call, or the time from the
environment variable SOURCE_DATE_EPOCH (seconds since 1970, UTC) when it is set.

--map, the values behind the map (.csv): 101 x 101 points evenly over both axes
  (ends included; the f-number in stops), x varying fastest; header
  image_height_mm;frequency_lpmm;sag;tan, image_height_mm;f_number;sag;tan
  or x_mm;y_mm;sag;tan (points outside the format left out); with --compare
  sag_difference;tan_difference (A - B; points FILE2 does not cover left out).

--export-dir, a catalogue in one run:
  For each lens file DIRECTORY/&lt;file name without extension&gt;.&lt;FORMAT&gt; is written,
  byte for byte as with --export; DIRECTORY is created when needed. FILE is a
  lens file, a directory (its files ending in .mtf, sorted by name, without
  subdirectories) or - (file names on stdin, one per line, read while the work
  goes on). A file that fails is reported as &quot;FILE:LINE: message&quot; or
  &quot;FILE: message&quot; on stderr and skipped, the others are written; warnings as
  &quot;FILE: Warning: ...&quot;. Two FILEs with the same name are a usage error, and
  nothing is written; when the second name comes on stdin, only that file
  fails (the first may already be written). The messages follow the order of
  the files, and the result does not depend on --jobs. On a terminal stderr
  shows the progress (&quot;123/5000 files&quot;); at the end it says
  &quot;N written, M failed&quot;.

Examples:
  lumivex examples/vollformat-objektiv.mtf
  lumivex --dump examples/vollformat-objektiv.mtf --abscissa k --frequencies 1,3
  lumivex --dump examples/vollformat-objektiv.mtf --abscissa k --at 4.5
  lumivex --export chart.png examples/vollformat-objektiv.mtf --scale 4
  lumivex --export chart.svg examples/vollformat-objektiv.mtf --abscissa m --f-number 3
  lumivex --export report.pdf examples/vollformat-objektiv.mtf --frequencies 2,4,6
  lumivex --export points.csv examples/vollformat-objektiv.mtf --overlay-all
  lumivex --export comparison.png examples/vollformat-objektiv.mtf --abscissa lpmm
          --compare examples/vergleich-normal-1.8.mtf
  lumivex --export-dir charts --format png catalogue/ --frequencies 2,4
  find catalogue -name &apos;*.mtf&apos; | lumivex --export-dir charts --format png -
  lumivex --map map.png examples/vollformat-objektiv.mtf --f-number 3
  lumivex --map field.svg examples/vollformat-objektiv.mtf --map-kind field --field 3:2

Exit status: 0 success, 1 file not readable, malformed or not writable
(for --export-dir: at least one), 2 wrong call.
</translation>
    </message>
    <message>
        <source>Option --thumbnail erwartet nach %1 die Linsendatei und die PNG-Datei</source>
        <translation>Option --thumbnail expects the lens file and the PNG file after %1</translation>
    </message>
    <message>
        <source>Option %1 erwartet eine Größe in Pixeln</source>
        <translation>Option %1 expects a size in pixels</translation>
    </message>
    <message>
        <source>Ein leeres Argument ist kein Dateiname</source>
        <translation>An empty argument is no file name</translation>
    </message>
    <message>
        <source>
KENNZAHLEN:
  lumivex --figures DATEI...|VERZEICHNIS|- [--f-number N|all] [--magnification N|all]
          [--threshold P] [--field circle|W:H] [--jobs N]
                           schreibt die Kennzahlen jeder DATEI als CSV auf stdout:
                           Feldmittel je Blende, Maßstab und Ortsfrequenz, die
                           Frequenz von MTF P je Blende, Maßstab und Bildhöhe
  --f-number N|all         Blendenzahl N oder alle (Vorgabe: alle)
  --magnification N|all    Abbildungsmaßstab N oder alle (Vorgabe 1)
  --threshold P            die Schwelle P in % (über 0, unter 100, Vorgabe 50)
  --field circle|W:H       Feldmittel über den Bildkreis (Vorgabe) oder das
                           Rechteck W:H mit dem Bildkreis als Diagonale
  --jobs N                 N Dateien zugleich, wie bei --export-dir
</source>
        <translation>
FIGURES:
  lumivex --figures FILE...|DIRECTORY|- [--f-number N|all] [--magnification N|all]
          [--threshold P] [--field circle|W:H] [--jobs N]
                           writes the figures of every FILE as CSV to stdout:
                           field means per f-number, magnification and spatial
                           frequency, the MTF P frequency per f-number,
                           magnification and image height
  --f-number N|all         f-number N or all (default: all)
  --magnification N|all    magnification N or all (default 1)
  --threshold P            the threshold P in % (above 0, below 100, default 50)
  --field circle|W:H       field means over the image circle (default) or the
                           W:H rectangle with the image circle as its diagonal
  --jobs N                 N files at a time, as with --export-dir
</translation>
    </message>
    <message>
        <source>Option %1 gilt nur zusammen mit --figures</source>
        <translation>Option %1 applies only together with --figures</translation>
    </message>
    <message>
        <source>Option %1 gilt nur zusammen mit --export-dir oder --figures</source>
        <translation>Option %1 applies only together with --export-dir or --figures</translation>
    </message>
    <message>
        <source>Option --threshold erwartet eine Zahl über 0 und unter 100, nicht %1</source>
        <translation>Option --threshold expects a number above 0 and below 100, not %1</translation>
    </message>
    <message>
        <source>Option --field erwartet circle oder W:H (etwa 3:2), nicht %1</source>
        <translation>Option --field expects circle or W:H (e.g. 3:2), not %1</translation>
    </message>
    <message>
        <source>Option --figures erwartet zuerst Linsendateien, Verzeichnisse oder -, nicht %1</source>
        <translation>Option --figures expects lens files, directories or - first, not %1</translation>
    </message>
    <message>
        <source>Aufruf:
  lumivex [DATEI]                 öffnet das Fenster, auf Wunsch gleich mit DATEI
  lumivex --dump DATEI [AUSWAHL] [--at X] [--compare DATEI2]
                                  gibt den Datensatz und die Kurven als JSON aus
  lumivex --export AUSGABE DATEI [AUSWAHL] [--overlay-all] [--scale N]
          [--compare DATEI2]
                                  schreibt Diagramm, Bericht oder Daten in AUSGABE,
                                  ohne Bildschirm; die Endung wählt das Format
  lumivex --export-dir VERZEICHNIS --format FORMAT DATEI... [AUSWAHL]
          [--overlay-all] [--scale N] [--jobs N] [--compare DATEI2]
                                  schreibt für jede DATEI VERZEICHNIS/NAME.FORMAT
                                  wie --export; DATEI auch ein Verzeichnis (seine
                                  *.mtf) oder - (Dateinamen auf stdin)
  lumivex --thumbnail GRÖSSE DATEI PNG
                                  schreibt das Diagramm, mit dem das Fenster DATEI
                                  zeigt, als Vorschaubild PNG mit GRÖSSE x GRÖSSE
                                  Pixeln (16 bis 1024), für Dateimanager
  lumivex --map AUSGABE DATEI [--map-kind ART] [AUSWAHL] [--field circle|W:H]
          [--size WxH] [--compare DATEI2]
                                  schreibt eine MTF-Karte als .png, .svg oder .csv
  lumivex --help                  zeigt diese Hilfe
  lumivex --version               zeigt die Version

Jeder Aufruf nimmt auch --lang de|en: die Sprache von Fenster, Meldungen und
Bericht (Vorgabe: die des Systems nach LANGUAGE, LC_ALL, LC_MESSAGES oder LANG;
Englisch bei en, sonst Deutsch).

AUSWAHL (Nummern ab 1, wie die Schaltflächen zählen):
  --abscissa k|lpmm|y|m    Abszisse: Blendenzahl, Ortsfrequenz, Bildhöhe oder
                           Abbildungsmaßstab (Vorgabe y)
  --f-number N             Blendenzahl N (Vorgabe 1)
  --frequencies N[,N...]   Ortsfrequenzen, deren Kurven berechnet werden (Vorgabe 2)
  --image-height N         Bildhöhe N (Vorgabe 1)
  --magnification N        Abbildungsmaßstab N (Vorgabe 1)

VERGLEICH (--dump, --export, --export-dir, --map):
  --compare DATEI2         zeichnet das Vergleichsobjektiv DATEI2 heller auf die
                           Achsen von DATEI, mit denselben festen Werten;
                           bei --export-dir wird jede DATEI mit DATEI2 verglichen

DUMP:
  --at X                   liest die Kurven an der Stelle X der Abszisse ab
                           (Schlüssel Probe): Blendenzahl bei k, LP/mm bei lpmm,
                           % der größten Bildhöhe bei y, Abbildungsmaßstab bei m

EXPORT:
  --format png|svg|pdf|csv nur --export-dir: das Format aller Ausgabedateien
  --jobs N                 nur --export-dir: N Dateien zugleich (1 bis 256,
                           Vorgabe: Zahl der Prozessorkerne)
  --overlay-all            jede Blendenzahl überlagert (bei Abszisse k jeder
                           Abbildungsmaßstab); nicht für .pdf
  --scale N                nur .png: N-mal so groß (1 bis 8, Vorgabe 1), scharf
                           neu gezeichnet, 250·N x 250·N Pixel

KARTE (--map; Blendenzahl, erste Ortsfrequenz und Abbildungsmaßstab aus AUSWAHL):
  --map-kind ART           height-frequency (Vorgabe): Bildhöhe und Ortsfrequenz;
                           height-fnumber: Bildhöhe und Blendenzahl;
                           field: das Bildfeld
  --field circle|W:H       nur field: Bildkreis (Vorgabe) oder Rechteck W:H
  --size WxH               Größe von .png und .svg in Pixeln (Vorgabe 800x450)
</source>
        <translation>Usage:
  lumivex [FILE]                  opens the window, with FILE if given
  lumivex --dump FILE [SELECTION] [--at X] [--compare FILE2]
                                  prints the data set and the curves as JSON
  lumivex --export OUTPUT FILE [SELECTION] [--overlay-all] [--scale N]
          [--compare FILE2]
                                  writes chart, report or data to OUTPUT,
                                  without a screen; the extension picks the format
  lumivex --export-dir DIRECTORY --format FORMAT FILE... [SELECTION]
          [--overlay-all] [--scale N] [--jobs N] [--compare FILE2]
                                  writes DIRECTORY/NAME.FORMAT for each FILE, as
                                  --export does; FILE may also be a directory (its
                                  *.mtf) or - (file names on stdin)
  lumivex --thumbnail SIZE FILE PNG
                                  writes the chart the window shows FILE with as
                                  the thumbnail PNG of SIZE x SIZE pixels (16 to
                                  1024), for file managers
  lumivex --map OUTPUT FILE [--map-kind KIND] [SELECTION] [--field circle|W:H]
          [--size WxH] [--compare FILE2]
                                  writes an MTF map as .png, .svg or .csv
  lumivex --help                  shows this help
  lumivex --version               shows the version

Every call also takes --lang de|en: the language of window, messages and
report (default: the system&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG;
English for en, German otherwise).

SELECTION (numbers from 1, as the buttons count):
  --abscissa k|lpmm|y|m    abscissa: f-number, spatial frequency, image height or
                           magnification (default y)
  --f-number N             f-number N (default 1)
  --frequencies N[,N...]   spatial frequencies whose curves are computed (default 2)
  --image-height N         image height N (default 1)
  --magnification N        magnification N (default 1)

COMPARISON (--dump, --export, --export-dir):
  --compare FILE2          draws the reference lens FILE2 lighter on the axes of
                           FILE, with the same fixed values; with --export-dir
                           every FILE is compared with FILE2

DUMP:
  --at X                   reads the curves at X on the abscissa (key Probe):
                           f-number for k, LP/mm for lpmm, % of the largest
                           image height for y, magnification for m

EXPORT:
  --format png|svg|pdf|csv --export-dir only: the format of every output file
  --jobs N                 --export-dir only: N files at once (1 to 256,
                           default: the number of processor cores)
  --overlay-all            every f-number overlaid (for abscissa k every
                           magnification); not for .pdf
  --scale N                .png only: N times as large (1 to 8, default 1), drawn
                           anew and sharp, 250·N x 250·N pixels

MAP (--map; f-number, first spatial frequency and magnification from SELECTION):
  --map-kind KIND          height-frequency (default): image height and spatial
                           frequency; height-fnumber: image height and f-number;
                           field: the image field
  --field circle|W:H       field only: image circle (default) or W:H rectangle
  --size WxH               size of .png and .svg in pixels (default 800x450)
</translation>
    </message>
    <message>
        <source>Option %1 gilt nur zusammen mit --dump, --export, --export-dir oder --map</source>
        <translation>Option %1 applies only together with --dump, --export, --export-dir or --map</translation>
    </message>
    <message>
        <source>Option %1 gilt nur zusammen mit --map</source>
        <translation>Option %1 applies only together with --map</translation>
    </message>
    <message>
        <source>Option %1 gilt nur zusammen mit --figures oder --map</source>
        <translation>Option %1 applies only together with --figures or --map</translation>
    </message>
    <message>
        <source>Die Auswahloptionen gelten nur zusammen mit --dump, --export, --export-dir oder --map</source>
        <translation>The selection options apply only together with --dump, --export, --export-dir or --map</translation>
    </message>
    <message>
        <source>Option --map-kind erwartet height-frequency, height-fnumber oder field, nicht %1</source>
        <translation>Option --map-kind expects height-frequency, height-fnumber or field, not %1</translation>
    </message>
    <message>
        <source>Option --size erwartet BREITExHÖHE in Pixeln (320x200 bis 8000x8000), nicht %1</source>
        <translation>Option --size expects WIDTHxHEIGHT in pixels (320x200 to 8000x8000), not %1</translation>
    </message>
    <message>
        <source>Option --map erwartet nach %1 die Linsendatei</source>
        <translation>Option --map expects the lens file after %1</translation>
    </message>
    <message>
        <source>Unbekannte Endung bei %1: --map schreibt .png, .svg oder .csv</source>
        <translation>Unknown ending of %1: --map writes .png, .svg or .csv</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Alle Optionen, Formate und Beispiele: lumivex --help
</source>
        <translation>All options, formats and examples: lumivex --help
</translation>
    </message>
    <message>
        <source>Warnung: %1</source>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <source>Option --at: der Eintrag „%1“ der Blendenzahlen ist keine Zahl</source>
        <translation>Option --at: the f-number entry “%1” is not a number</translation>
    </message>
    <message>
        <source>Option --at: der Eintrag „%1“ der Ortsfrequenzen ist keine Zahl</source>
        <translation>Option --at: the spatial frequency entry “%1” is not a number</translation>
    </message>
    <message>
        <source>Option --at: der Eintrag „%1“ der Abbildungsmaßstäbe ist keine Zahl</source>
        <translation>Option --at: the magnification entry “%1” is not a number</translation>
    </message>
</context>
<context>
    <name>ComparisonTexts</name>
    <message>
        <source>Vergleichsobjektiv: keine Blendenzahl %1</source>
        <translation>Reference lens: no f-number %1</translation>
    </message>
    <message>
        <source>Vergleichsobjektiv: keine Ortsfrequenz %1 LP/mm</source>
        <translation>Reference lens: no spatial frequency %1 LP/mm</translation>
    </message>
    <message>
        <source>Vergleichsobjektiv: keine Bildhöhe %1 mm</source>
        <translation>Reference lens: no image height %1 mm</translation>
    </message>
    <message>
        <source>Vergleichsobjektiv: kein Abbildungsmaßstab %1</source>
        <translation>Reference lens: no magnification %1</translation>
    </message>
    <message>
        <source>%1 / Vergleich: %2</source>
        <translation>%1 / compared with: %2</translation>
    </message>
</context>
<context>
    <name>DistanceLabel</name>
    <message>
        <source>unendlich</source>
        <translation>infinity</translation>
    </message>
</context>
<context>
    <name>ExportFiles</name>
    <message>
        <source>Die Datei „%1“ kann nicht geschrieben werden</source>
        <translation>The file “%1” cannot be written</translation>
    </message>
    <message>
        <source>MTF-Diagramm, erstellt mit Lumivex</source>
        <translation>MTF chart, made with Lumivex</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>Ortsfrequenzen nicht aufsteigend</source>
        <translation>Spatial frequencies not ascending</translation>
    </message>
</context>
<context>
    <name>FiguresPanel</name>
    <message>
        <source>Keine Differenz: ein Wert liegt außerhalb der Frequenzliste</source>
        <translation>No difference: a value lies outside the frequency list</translation>
    </message>
    <message>
        <source>Vergleichsobjektiv: %1</source>
        <translation>Reference lens: %1</translation>
    </message>
    <message>
        <source>Weniger als zwei Bildhöhen</source>
        <translation>Fewer than two image heights</translation>
    </message>
    <message>
        <source>Bildfeld:</source>
        <translation>Field:</translation>
    </message>
    <message>
        <source>Bildkreis</source>
        <translation>Image circle</translation>
    </message>
    <message>
        <source>Bildfeld der Feldmittel</source>
        <translation>Field of the field means</translation>
    </message>
    <message>
        <source>Schwelle:</source>
        <translation>Threshold:</translation>
    </message>
    <message>
        <source>Schwelle der Grenzfrequenzen</source>
        <translation>Threshold of the limiting frequencies</translation>
    </message>
    <message>
        <source>Speichern unter …</source>
        <translation>Save as …</translation>
    </message>
    <message>
        <source>Kennzahlen speichern unter</source>
        <translation>Save figures as</translation>
    </message>
    <message>
        <source>Feldmittel</source>
        <translation>Field means</translation>
    </message>
    <message>
        <source>Grenzfrequenzen</source>
        <translation>Limiting frequencies</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Feldmittel der Modulation [%] über %1</source>
        <translation>Field mean of the modulation [%] over %1</translation>
    </message>
    <message>
        <source>MTF%1: Ortsfrequenz [LP/mm], bei der die Modulation auf %1 % fällt</source>
        <translation>MTF%1: spatial frequency [LP/mm] at which the modulation falls to %1 %</translation>
    </message>
    <message>
        <source>Noch keine Datei gelesen</source>
        <translation>No file read yet</translation>
    </message>
    <message>
        <source>%1 – Blendenzahl %2, Abbildungsmaßstab %3</source>
        <translation>%1 – f-number %2, magnification %3</translation>
    </message>
    <message>
        <source>S Vergleich</source>
        <translation>S reference</translation>
    </message>
    <message>
        <source>T Vergleich</source>
        <translation>T reference</translation>
    </message>
    <message>
        <source>S A − B</source>
        <translation>S A − B</translation>
    </message>
    <message>
        <source>T A − B</source>
        <translation>T A − B</translation>
    </message>
    <message>
        <source>LP/mm</source>
        <translation>LP/mm</translation>
    </message>
    <message>
        <source>S [%]</source>
        <translation>S [%]</translation>
    </message>
    <message>
        <source>T [%]</source>
        <translation>T [%]</translation>
    </message>
    <message>
        <source>Bildhöhe [mm]</source>
        <translation>Image height [mm]</translation>
    </message>
    <message>
        <source>S [LP/mm]</source>
        <translation>S [LP/mm]</translation>
    </message>
    <message>
        <source>T [LP/mm]</source>
        <translation>T [LP/mm]</translation>
    </message>
    <message>
        <source>CSV-Werte (*.csv)</source>
        <translation>CSV values (*.csv)</translation>
    </message>
    <message>
        <source>CSV-Werte</source>
        <translation>CSV values</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>Hilfedatei nicht gefunden: %1</source>
        <translation>Help file not found: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Lumivex – Hilfe</source>
        <translation>Lumivex – Help</translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Vor</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>LargeChartPanel</name>
    <message>
        <source>Diagramm</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Das Diagramm des Hauptfensters in der Größe dieser Seite; unter dem Mauszeiger die Werte aller Kurven, mit ← und → von Stützstelle zu Stützstelle</source>
        <translation>The main window&apos;s chart at the size of this page; under the mouse pointer the values of every curve, ← and → step from support point to support point</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg)</source>
        <translation>SVG graphic (*.svg)</translation>
    </message>
    <message>
        <source>CSV-Werte (*.csv)</source>
        <translation>CSV values (*.csv)</translation>
    </message>
    <message>
        <source>diagramm</source>
        <translation>chart</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht geschrieben werden: das Diagramm wird als .png, .svg oder .csv gespeichert</source>
        <translation>The file “%1” cannot be written: the chart is saved as .png, .svg or .csv</translation>
    </message>
</context>
<context>
    <name>LensFileReader</name>
    <message>
        <source>Unerwartetes Dateiende: gesucht wurde %1</source>
        <translation>Unexpected end of file: looking for %1</translation>
    </message>
    <message>
        <source>die Markierung %1</source>
        <translation>the marker %1</translation>
    </message>
    <message>
        <source>Zeile 1 (Dateikopf)</source>
        <translation>line 1 (file head)</translation>
    </message>
    <message>
        <source>die Kopfzeile (Zeile 2)</source>
        <translation>the head line (line 2)</translation>
    </message>
    <message>
        <source>Spalte 6 der Kopfzeile %1 enthält keine Ziffer</source>
        <translation>Column 6 of the head line %1 holds no digit</translation>
    </message>
    <message>
        <source>Zeile 3 (Dateikopf)</source>
        <translation>line 3 (file head)</translation>
    </message>
    <message>
        <source>Zeile 4 (Dateikopf)</source>
        <translation>line 4 (file head)</translation>
    </message>
    <message>
        <source>die Titelzeile (Zeile 5)</source>
        <translation>the title line (line 5)</translation>
    </message>
    <message>
        <source>die Bildhöhenzeile der Blende %1</source>
        <translation>the image height line of f-number %1</translation>
    </message>
    <message>
        <source>die Bildhöhenzeile</source>
        <translation>the image height line</translation>
    </message>
    <message>
        <source>Zeile der Bildhöhen %1 enthält keine Werte</source>
        <translation>The image height line %1 holds no values</translation>
    </message>
    <message>
        <source>Bereichsfehler: mehr als %1 Bildhöhen, der %2. Wert ist %3</source>
        <translation>Range error: more than %1 image heights, value %2 is %3</translation>
    </message>
    <message>
        <source>Bildhöhenzeile %1 hat %2 Werte, die erste hat %3</source>
        <translation>Image height line %1 has %2 values, the first has %3</translation>
    </message>
    <message>
        <source>Bildhöhe %1 ist keine Zahl</source>
        <translation>Image height %1 is not a number</translation>
    </message>
    <message>
        <source>die Zeile der Blendenzahlen</source>
        <translation>the f-number line</translation>
    </message>
    <message>
        <source>Zeile der Blendenzahlen %1 enthält keine Werte</source>
        <translation>The f-number line %1 holds no values</translation>
    </message>
    <message>
        <source>Bereichsfehler: mehr als %1 Blendenzahlen, der %2. Wert ist %3</source>
        <translation>Range error: more than %1 f-numbers, value %2 is %3</translation>
    </message>
    <message>
        <source>die Zeile der Abbildungsmaßstäbe</source>
        <translation>the magnification line</translation>
    </message>
    <message>
        <source>Zeile der Abbildungsmaßstäbe %1 enthält keine Werte</source>
        <translation>The magnification line %1 holds no values</translation>
    </message>
    <message>
        <source>Bereichsfehler: mehr als %1 Abbildungsmaßstäbe, der %2. Wert ist %3</source>
        <translation>Range error: more than %1 magnifications, value %2 is %3</translation>
    </message>
    <message>
        <source>die Zeile der Wellenlängen</source>
        <translation>the wavelength line</translation>
    </message>
    <message>
        <source>die Zeile der Gewichte</source>
        <translation>the weight line</translation>
    </message>
    <message>
        <source>die Zeile der Ortsfrequenzen</source>
        <translation>the spatial frequency line</translation>
    </message>
    <message>
        <source>Zeile der Ortsfrequenzen %1 enthält keine Werte</source>
        <translation>The spatial frequency line %1 holds no values</translation>
    </message>
    <message>
        <source>Bereichsfehler: mehr als %1 Ortsfrequenzen, der %2. Wert ist %3</source>
        <translation>Range error: more than %1 spatial frequencies, value %2 is %3</translation>
    </message>
    <message>
        <source>die Abstandszeile des Abbildungsmaßstabs %1</source>
        <translation>the distance line of magnification %1</translation>
    </message>
    <message>
        <source>die sagittale Modulationszeile der Blende %1 für Abbildungsmaßstab %2, Bildhöhe %3</source>
        <translation>the sagittal modulation line of f-number %1 for magnification %2, image height %3</translation>
    </message>
    <message>
        <source>die Trennzeile vor den tangentialen Werten der Blende %1</source>
        <translation>the separator line before the tangential values of f-number %1</translation>
    </message>
    <message>
        <source>die tangentiale Modulationszeile der Blende %1 für Abbildungsmaßstab %2, Bildhöhe %3</source>
        <translation>the tangential modulation line of f-number %1 for magnification %2, image height %3</translation>
    </message>
    <message>
        <source>Zeile %1 von %2 nach „[GAUSS]“</source>
        <translation>line %1 of %2 after “[GAUSS]”</translation>
    </message>
    <message>
        <source>Abstand %1 ist keine Zahl</source>
        <translation>Distance %1 is not a number</translation>
    </message>
    <message>
        <source>Abstand %1 passt gerundet nicht in eine 32-Bit-Ganzzahl („-1E20“ für unendlich steht nur beim ersten Abbildungsmaßstab und ohne Leerzeichen davor)</source>
        <translation>Distance %1, rounded, does not fit a 32-bit integer (“-1E20” for infinity stands only at the first magnification and without blanks before it)</translation>
    </message>
    <message>
        <source>Abstand %1 passt gerundet nicht in eine 32-Bit-Ganzzahl</source>
        <translation>Distance %1, rounded, does not fit a 32-bit integer</translation>
    </message>
</context>
<context>
    <name>LineParsing</name>
    <message>
        <source>Modulationswert %1 liegt außerhalb von 0..255</source>
        <translation>Modulation value %1 is outside 0..255</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Bereichsfehler: mehr als %1 Werte in der Zeile, der %2. Wert ist %3</source>
        <translation>Range error: more than %1 values in the line, value %2 is %3</translation>
    </message>
    <message>
        <source>Bereichsfehler: Modulationszeile ist %1 Zeichen lang, erlaubt sind %2: %3</source>
        <translation>Range error: modulation line is %1 characters long, %2 are allowed: %3</translation>
    </message>
    <message>
        <source>Bereichsfehler: Modulationszeile hat mehr als %1 Wertgrenzen: %2</source>
        <translation>Range error: modulation line has more than %1 value boundaries: %2</translation>
    </message>
    <message>
        <source>Bereichsfehler: Modulationszeile %1 enthält kein Leerzeichen vor einem Wert</source>
        <translation>Range error: modulation line %1 holds no blank before a value</translation>
    </message>
    <message>
        <source>Modulationszeile %1 enthält nur %2 von %3 Werten</source>
        <translation>Modulation line %1 holds only %2 of %3 values</translation>
    </message>
    <message>
        <source>Modulationswert %1 ist keine ganze Zahl (Werte durch genau ein Leerzeichen trennen und die Zeile mit einem Leerzeichen beenden)</source>
        <translation>Modulation value %1 is not a whole number (separate the values by exactly one blank and end the line with a blank)</translation>
    </message>
    <message>
        <source>Modulationswert %1 ist keine ganze Zahl</source>
        <translation>Modulation value %1 is not a whole number</translation>
    </message>
</context>
<context>
    <name>LoadError</name>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Abbruch beim Dateilesen</source>
        <translation>Reading the file failed</translation>
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>ist ein Verzeichnis</source>
        <translation>is a directory</translation>
    </message>
    <message>
        <source>keine Leseberechtigung</source>
        <translation>no permission to read</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Unbekannter Fehler</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>MTF-Datei</source>
        <translation>MTF file</translation>
    </message>
    <message>
        <source>MTF-Datei wählen</source>
        <translation>Choose an MTF file</translation>
    </message>
    <message>
        <source>Ergebnis ausdrucken</source>
        <translation>Print the result</translation>
    </message>
    <message>
        <source>gedrückt Einzelgrafik, sonst Überlagerung</source>
        <translation>Pressed: single graph, else overlay</translation>
    </message>
    <message>
        <source>Ergebnis zur aktuellen Schaltereinstellung</source>
        <translation>Draw the result for the current settings</translation>
    </message>
    <message>
        <source>Grafik löschen</source>
        <translation>Clear the graph</translation>
    </message>
    <message>
        <source>mehr über MTF</source>
        <translation>More about MTF</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>About Lumivex</translation>
    </message>
    <message>
        <source>Programmende</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>graf. Ergebnis</source>
        <translation>Graphical result</translation>
    </message>
    <message>
        <source>
     Bitte MTF-Datei des 
     gewünschten Objektivs
     auswählen (1.Button)
  </source>
        <translation>
     Please choose the 
     MTF file of a lens
     (first button)
  </translation>
    </message>
    <message>
        <source>Modulation darstellen über :</source>
        <translation>Modulation over:</translation>
    </message>
    <message>
        <source>Blendenzahl</source>
        <translation>F-number</translation>
    </message>
    <message>
        <source>Ortsfrequenz</source>
        <translation>Spatial frequency</translation>
    </message>
    <message>
        <source>Bildort</source>
        <translation>Image position</translation>
    </message>
    <message>
        <source>Abbildungsmaßstab</source>
        <translation>Magnification</translation>
    </message>
    <message>
        <source>Abbildungsstrecke</source>
        <translation>Object-to-image distance</translation>
    </message>
    <message>
        <source>Blende</source>
        <translation>F-number</translation>
    </message>
    <message>
        <source>Bildhöhe</source>
        <translation>Image height</translation>
    </message>
    <message>
        <source>Abbildungsmaßstab / -strecke </source>
        <translation>Magnification / distance</translation>
    </message>
    <message>
        <source>Objektiv : </source>
        <translation>Lens: </translation>
    </message>
    <message>
        <source> Wellenlängen [nm]   : </source>
        <translation> Wavelengths [nm]: </translation>
    </message>
    <message>
        <source> Rel. Gewichtungen :  </source>
        <translation> Relative weights:  </translation>
    </message>
    <message>
        <source>Trennlinie</source>
        <translation>Separator</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Anleitung</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Noch kein Objektiv geladen</source>
        <translation>No lens loaded yet</translation>
    </message>
    <message>
        <source>Objektiv %1, Modulation über %2, Ortsfrequenzen %3 LP/mm</source>
        <translation>Lens %1; modulation over: %2; spatial frequencies %3 LP/mm</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>MapDrawing</name>
    <message>
        <source>x [mm]</source>
        <translation>x [mm]</translation>
    </message>
    <message>
        <source>Bildhöhe y′ [mm]</source>
        <translation>Image height y′ [mm]</translation>
    </message>
    <message>
        <source>Blendenzahl k</source>
        <translation>F-number k</translation>
    </message>
    <message>
        <source>y [mm]</source>
        <translation>y [mm]</translation>
    </message>
    <message>
        <source>Ortsfrequenz [LP/mm]</source>
        <translation>Spatial frequency [LP/mm]</translation>
    </message>
    <message>
        <source>Differenz A − B [Prozentpunkte]</source>
        <translation>Difference A − B [percentage points]</translation>
    </message>
    <message>
        <source>Modulation [%]</source>
        <translation>Modulation [%]</translation>
    </message>
    <message>
        <source>k %1</source>
        <translation>k %1</translation>
    </message>
    <message>
        <source>%1 LP/mm</source>
        <translation>%1 LP/mm</translation>
    </message>
    <message>
        <source>ß′ %1</source>
        <translation>ß′ %1</translation>
    </message>
    <message>
        <source>Bildkreis</source>
        <translation>Image circle</translation>
    </message>
    <message>
        <source>Format %1</source>
        <translation>Format %1</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source> — </source>
        <translation> — </translation>
    </message>
    <message>
        <source> — Vergleichsobjektiv: %1</source>
        <translation> — Reference lens: %1</translation>
    </message>
    <message>
        <source>Keine Karte: %1</source>
        <translation>No map: %1</translation>
    </message>
    <message>
        <source>Sagittal</source>
        <translation>Sagittal</translation>
    </message>
    <message>
        <source>Tangential</source>
        <translation>Tangential</translation>
    </message>
    <message>
        <source>%1: A − B</source>
        <translation>%1: A − B</translation>
    </message>
    <message>
        <source>y′ %1 mm, %2 LP/mm</source>
        <translation>y′ %1 mm, %2 LP/mm</translation>
    </message>
    <message>
        <source>y′ %1 mm, k %2</source>
        <translation>y′ %1 mm, k %2</translation>
    </message>
    <message>
        <source>x %1 mm, y %2 mm (r %3 mm)</source>
        <translation>x %1 mm, y %2 mm (r %3 mm)</translation>
    </message>
    <message>
        <source>kein Wert</source>
        <translation>no value</translation>
    </message>
    <message>
        <source>%1: S %2 %  T %3 %</source>
        <translation>%1: S %2 %  T %3 %</translation>
    </message>
    <message>
        <source>S %1 %  T %2 %</source>
        <translation>S %1 %  T %2 %</translation>
    </message>
    <message>
        <source>A − B: S %1  T %2</source>
        <translation>A − B: S %1  T %2</translation>
    </message>
    <message>
        <source>Lumivex-Karte: %1</source>
        <translation>Lumivex map: %1</translation>
    </message>
    <message>
        <source>MTF-Karte, erstellt mit Lumivex</source>
        <translation>MTF map, made with Lumivex</translation>
    </message>
</context>
<context>
    <name>MapModel</name>
    <message>
        <source>Weniger als zwei Bildhöhen</source>
        <translation>Fewer than two image heights</translation>
    </message>
    <message>
        <source>Weniger als zwei Ortsfrequenzen</source>
        <translation>Fewer than two spatial frequencies</translation>
    </message>
    <message>
        <source>Ortsfrequenzen nicht aufsteigend</source>
        <translation>Spatial frequencies not ascending</translation>
    </message>
    <message>
        <source>Weniger als zwei Blendenzahlen</source>
        <translation>Fewer than two f-numbers</translation>
    </message>
    <message>
        <source>Blendenzahlen nicht aufsteigend</source>
        <translation>F-numbers not ascending</translation>
    </message>
</context>
<context>
    <name>MapPanel</name>
    <message>
        <source>&amp;Karte:</source>
        <translation>&amp;Map:</translation>
    </message>
    <message>
        <source>Bildhöhe und Ortsfrequenz</source>
        <translation>Image height and spatial frequency</translation>
    </message>
    <message>
        <source>Bildhöhe und Blendenzahl</source>
        <translation>Image height and f-number</translation>
    </message>
    <message>
        <source>Bildfeld</source>
        <translation>Image field</translation>
    </message>
    <message>
        <source>&amp;Ortsfrequenz:</source>
        <translation>Spatial &amp;frequency:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>Bildkreis</source>
        <translation>Image circle</translation>
    </message>
    <message>
        <source>Art der Karte</source>
        <translation>Kind of map</translation>
    </message>
    <message>
        <source>Worüber die Modulation als Farbe aufgetragen wird</source>
        <translation>What the modulation is plotted over as colour</translation>
    </message>
    <message>
        <source>Ortsfrequenz der Karte</source>
        <translation>Spatial frequency of the map</translation>
    </message>
    <message>
        <source>Bildformat der Karte</source>
        <translation>Picture format of the map</translation>
    </message>
    <message>
        <source>MTF-Karte</source>
        <translation>MTF map</translation>
    </message>
    <message>
        <source>Sagittal und tangential, Farbe nach der Modulation</source>
        <translation>Sagittal and tangential, coloured by the modulation</translation>
    </message>
    <message>
        <source>Werte unter dem Mauszeiger</source>
        <translation>Values under the mouse pointer</translation>
    </message>
    <message>
        <source>%1 LP/mm</source>
        <translation>%1 LP/mm</translation>
    </message>
    <message>
        <source>Noch keine Datei gelesen</source>
        <translation>No file read yet</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg)</source>
        <translation>SVG graphics (*.svg)</translation>
    </message>
    <message>
        <source>CSV-Werte (*.csv)</source>
        <translation>CSV values (*.csv)</translation>
    </message>
    <message>
        <source>karte-%1.png</source>
        <translation>map-%1.png</translation>
    </message>
</context>
<context>
    <name>PlotActions</name>
    <message>
        <source>Diagramm speichern unter …</source>
        <translation>Save Chart As …</translation>
    </message>
    <message>
        <source>Diagramm kopieren</source>
        <translation>Copy Chart</translation>
    </message>
    <message>
        <source>Werte kopieren</source>
        <translation>Copy Values</translation>
    </message>
    <message>
        <source>Vergleichsobjektiv laden …</source>
        <translation>Load Reference Lens …</translation>
    </message>
    <message>
        <source>Vergleich entfernen</source>
        <translation>Remove Reference Lens</translation>
    </message>
    <message>
        <source>Kennzahlen …</source>
        <translation>Figures …</translation>
    </message>
    <message>
        <source>Analyse …</source>
        <translation>Analysis …</translation>
    </message>
</context>
<context>
    <name>PlotController</name>
    <message>
        <source>Noch keine Datei gelesen !</source>
        <translation>No file loaded yet!</translation>
    </message>
</context>
<context>
    <name>PlotFileCommands</name>
    <message>
        <source>PNG-Bild</source>
        <translation>PNG image</translation>
    </message>
    <message>
        <source>SVG-Grafik</source>
        <translation>SVG graphic</translation>
    </message>
    <message>
        <source>PDF-Bericht</source>
        <translation>PDF report</translation>
    </message>
    <message>
        <source>CSV-Werte</source>
        <translation>CSV values</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht geschrieben werden: Diagramme werden als .png, .svg, .pdf oder .csv gespeichert</source>
        <translation>The file “%1” cannot be written: charts are saved as .png, .svg, .pdf or .csv</translation>
    </message>
</context>
<context>
    <name>PlotReadout</name>
    <message>
        <source>Stützstelle</source>
        <translation>measured</translation>
    </message>
    <message>
        <source>interpoliert</source>
        <translation>interpolated</translation>
    </message>
    <message>
        <source>B: %1 (mit %2 verglichen)</source>
        <translation>B: %1 (compared with %2)</translation>
    </message>
</context>
<context>
    <name>RangeArray</name>
    <message>
        <source>Bereichsfehler: Tabellenindex %1 liegt außerhalb von 0..%2</source>
        <translation>Range error: table index %1 is outside 0..%2</translation>
    </message>
    <message>
        <source>Bereichsfehler: Index %1 liegt außerhalb von %2..%3</source>
        <translation>Range error: index %1 is outside %2..%3</translation>
    </message>
</context>
<context>
    <name>ReportDrawing</name>
    <message>
        <source>Blende                       : </source>
        <translation>F-number                    : </translation>
    </message>
    <message>
        <source>Ortsfrequenz              : </source>
        <translation>Spatial frequency     : </translation>
    </message>
    <message>
        <source>Bildhöhe                    : </source>
        <translation>Image height             : </translation>
    </message>
    <message>
        <source>Abbildungsmaßstab   : </source>
        <translation>Magnification            : </translation>
    </message>
    <message>
        <source>Lumivex des Objektivs: </source>
        <translation>Lumivex for the lens: </translation>
    </message>
    <message>
        <source>Wellenlänge / rel. Gewichtung </source>
        <translation>Wavelength / rel. weight </translation>
    </message>
    <message>
        <source>     Programm: Lumivex / </source>
        <translation>     Program: Lumivex / </translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <source>Der Bericht kann nicht ausgegeben werden: %1</source>
        <translation>The report cannot be output: %1</translation>
    </message>
</context>
<context>
    <name>Spline</name>
    <message>
        <source>Bereichsfehler: %1 Stützstellen, höchstens %2 möglich</source>
        <translation>Range error: %1 support points, at most %2 possible</translation>
    </message>
    <message>
        <source>Funktion singulär</source>
        <translation>Function singular</translation>
    </message>
    <message>
        <source>Funktion nicht monoton</source>
        <translation>Function not monotonic</translation>
    </message>
</context>
</TS>
