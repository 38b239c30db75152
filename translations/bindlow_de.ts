<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Conversion</name>
    <message>
        <source>the file is gone</source>
        <translation>die Datei ist nicht mehr da</translation>
    </message>
    <message>
        <source>A database from a previous version (%1) has been detected.  Would you like to convert it now?  NOTE: After conversion the old file will be deleted.  You may wish to make a copy of "%2" first.</source>
        <translation>Eine Datenbank einer früheren Version (%1) wurde gefunden.  Möchten Sie sie jetzt umwandeln?  HINWEIS: Nach der Umwandlung wird die alte Datei gelöscht.  Sie können vorher eine Kopie von "%2" anlegen.</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>The books of "%1" have been converted.</source>
        <translation>Die Bücher von "%1" wurden umgewandelt.</translation>
    </message>
    <message>
        <source>  %1 values could not be converted and were left empty.</source>
        <translation>  %1 Werte konnten nicht umgewandelt werden und blieben leer.</translation>
    </message>
    <message>
        <source>  %1 values were too long for their fields and were cut.</source>
        <translation>  %1 Werte waren zu lang für ihre Felder und wurden gekürzt.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>The conversion of "%1" stopped: %2  The books converted so far are kept; the rest will be offered for conversion at the next start.</source>
        <translation>Die Umwandlung von "%1" wurde abgebrochen: %2  Die bis dahin umgewandelten Bücher bleiben erhalten; die übrigen werden beim nächsten Start zur Umwandlung angeboten.</translation>
    </message>
    <message>
        <source>The old database "%1" has been converted, but it could not be deleted: %2.  It will not be converted again; you may delete it yourself.</source>
        <translation>Die alte Datenbank "%1" wurde umgewandelt, konnte aber nicht gelöscht werden: %2.  Sie wird nicht noch einmal umgewandelt; Sie können sie selbst löschen.</translation>
    </message>
</context>
<context>
    <name>ImportMessages</name>
    <message>
        <source>"%1" cannot be read: left empty</source>
        <translation>"%1" kann nicht gelesen werden: bleibt leer</translation>
    </message>
    <message>
        <source>cut to %1 characters</source>
        <translation>auf %1 Zeichen gekürzt</translation>
    </message>
    <message>
        <source>"?" for characters the database cannot hold</source>
        <translation>"?" für Zeichen, die die Datenbank nicht speichern kann</translation>
    </message>
    <message>
        <source>%1 values beyond the columns left out</source>
        <translation>%1 Werte jenseits der Spalten ausgelassen</translation>
    </message>
    <message>
        <source>also on an earlier line of the file</source>
        <translation>auch in einer früheren Zeile der Datei</translation>
    </message>
    <message>
        <source>already in the database</source>
        <translation>schon in der Datenbank</translation>
    </message>
    <message>
        <source>The import stopped at line %1: a value there opens with a double quote that is never closed.  The %2 books before it were imported.</source>
        <translation>Der Import endete in Zeile %1: Ein Wert beginnt dort mit einem Anführungszeichen, das nie geschlossen wird.  Die %2 Bücher davor wurden importiert.</translation>
    </message>
    <message>
        <source>Import Complete.</source>
        <translation>Import abgeschlossen.</translation>
    </message>
    <message>
        <source>  %1 values could not be read and were left empty.</source>
        <translation>  %1 Werte konnten nicht gelesen werden und blieben leer.</translation>
    </message>
    <message>
        <source>  %1 values were too long for their fields and were cut.</source>
        <translation>  %1 Werte waren zu lang für ihre Felder und wurden gekürzt.</translation>
    </message>
    <message>
        <source>  %1 values beyond the fields of the first line were left out.</source>
        <translation>  %1 Werte jenseits der Felder der ersten Zeile wurden ausgelassen.</translation>
    </message>
    <message>
        <source>  %1 characters that Windows-1252 cannot hold were written as "?".</source>
        <translation>  %1 Zeichen, die Windows-1252 nicht darstellen kann, wurden als "?" geschrieben.</translation>
    </message>
    <message>
        <source>  %1 books already in the database or earlier in the file were left out.</source>
        <translation>  %1 Bücher, die schon in der Datenbank oder weiter oben in der Datei standen, wurden ausgelassen.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>The selected file has a field that is greater than 255 characters.</source>
        <translation>Die gewählte Datei hat ein Feld mit mehr als 255 Zeichen.</translation>
    </message>
    <message>
        <source>The selected file had an unexpected end of a line most likely due to an unmatched quote.</source>
        <translation>Die gewählte Datei hat ein unerwartetes Zeilenende, wahrscheinlich wegen eines nicht geschlossenen Anführungszeichens.</translation>
    </message>
    <message>
        <source>The selected file has too many fields.  There are at least 10 more fields than are required by Bindlow.</source>
        <translation>Die gewählte Datei hat zu viele Felder.  Es sind mindestens 10 Felder mehr, als Bindlow braucht.</translation>
    </message>
    <message>
        <source>The selected file is not a text file.</source>
        <translation>Die gewählte Datei ist keine Textdatei.</translation>
    </message>
    <message>
        <source>The file selected does not appear to be an ASCII delimited text file.  An ASCII delimited file requires a unique format of each field being surrounded by double quotes and separated by a comma.  </source>
        <translation>Die gewählte Datei scheint keine ASCII-Datei mit Trennzeichen zu sein.  In einer solchen Datei steht jedes Feld in Anführungszeichen, und die Felder sind durch Kommas getrennt.  </translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Bindlow Books 97 cannot write in its program folder "%1", so it keeps its databases, lists and reports in "%2".  The databases in the program folder (%3) stay where they are: open them there with Open Database.</source>
        <translation>Bindlow Books 97 kann nicht in seinen Programmordner "%1" schreiben und legt seine Datenbanken, Listen und Berichte deshalb in "%2" ab.  Die Datenbanken im Programmordner (%3) bleiben, wo sie sind: Öffnen Sie sie dort mit "Datenbank öffnen".</translation>
    </message>
    <message>
        <source>  The program goes on with its defaults instead and leaves that file as it is.</source>
        <translation>  Das Programm arbeitet stattdessen mit seinen Voreinstellungen weiter und lässt diese Datei, wie sie ist.</translation>
    </message>
    <message>
        <source>  The program goes on with its defaults instead and leaves those files as they are.</source>
        <translation>  Das Programm arbeitet stattdessen mit seinen Voreinstellungen weiter und lässt diese Dateien, wie sie sind.</translation>
    </message>
    <message>
        <source>"%1" is not a regular file.</source>
        <translation>"%1" ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>"%1" is larger than %2 MB.</source>
        <translation>"%1" ist größer als %2 MB.</translation>
    </message>
    <message>
        <source>"%1" cannot be read: %2</source>
        <translation>"%1" kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>  It is opened read-only: the books can be viewed, searched and reported, but not changed.</source>
        <translation>  Sie wird schreibgeschützt geöffnet: Die Bücher können angesehen, durchsucht und in Berichte aufgenommen, aber nicht geändert werden.</translation>
    </message>
    <message>
        <source>The database "%1" holds %2 books past the record count in its header, which a change would lose.  The command "bindlow-dbf recover %1" adds them to the database.</source>
        <translation>Die Datenbank "%1" enthält %2 Bücher jenseits der Datensatzzahl in ihrem Kopf, die bei einer Änderung verloren gingen.  Der Befehl "bindlow-dbf recover %1" fügt sie der Datenbank hinzu.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be changed (%2).</source>
        <translation>Die Datenbank "%1" kann nicht geändert werden (%2).</translation>
    </message>
    <message>
        <source>Your current screen resolution does not support %1 pixels.</source>
        <translation>Ihre Bildschirmauflösung reicht für %1 Pixel nicht aus.</translation>
    </message>
    <message>
        <source>The table "%1" is currently in use by another program.  New table creation will be aborted.</source>
        <translation>Die Tabelle "%1" wird gerade von einem anderen Programm benutzt.  Die neue Tabelle wird nicht angelegt.</translation>
    </message>
    <message>
        <source>This DBase file was not created with Bindlow Books 97.  It cannot be opened.  You may, however, import data from this file using the import function.</source>
        <translation>Diese dBASE-Datei wurde nicht mit Bindlow Books 97 angelegt.  Sie kann nicht geöffnet werden.  Sie können ihre Daten aber mit der Importfunktion übernehmen.</translation>
    </message>
</context>
<context>
    <name>ReportDesigner</name>
    <message>
        <source>The Report Body font size has been set to a 8 Point default size as.</source>
        <translation>Die Schriftgröße des Berichtsrumpfs wurde auf die Voreinstellung von 8 Punkt gesetzt.</translation>
    </message>
    <message>
        <source>Switching to 90 characters from 120 or 150 will truncate the current defined lines.  In addition, the font size will be reset to a 10 point as a default.  Are you sure you wish to do this?</source>
        <translation>Der Wechsel von 120 oder 150 auf 90 Zeichen kürzt die bisher festgelegten Zeilen.  Außerdem wird die Schriftgröße auf die Voreinstellung von 10 Punkt gesetzt.  Möchten Sie das wirklich?</translation>
    </message>
    <message>
        <source>Switching to 120 characters from 150 will truncate the current defined lines.  In addition, the font size will be reset to a 8 point as a default.  Are you sure you wish to do this?</source>
        <translation>Der Wechsel von 150 auf 120 Zeichen kürzt die bisher festgelegten Zeilen.  Außerdem wird die Schriftgröße auf die Voreinstellung von 8 Punkt gesetzt.  Möchten Sie das wirklich?</translation>
    </message>
    <message>
        <source>The Report Body font size has been set to a 6 Point default size as a result of switching to 150 characters per line.</source>
        <translation>Die Schriftgröße des Berichtsrumpfs wurde wegen des Wechsels auf 150 Zeichen je Zeile auf die Voreinstellung von 6 Punkt gesetzt.</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>No such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>Cannot read the report file</source>
        <translation>Fehler beim Lesen der Berichtsdatei</translation>
    </message>
    <message>
        <source>Cannot write the report file</source>
        <translation>Fehler beim Schreiben der Berichtsdatei</translation>
    </message>
    <message>
        <source>No report %1 in</source>
        <translation>Kein Bericht %1 in</translation>
    </message>
    <message>
        <source>the number is below zero</source>
        <translation>die Nummer ist kleiner als null</translation>
    </message>
</context>
<context>
    <name>SafeApplication</name>
    <message>
        <source>An unexpected error occurred.  The last command was not completed.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.  Der letzte Befehl wurde nicht ausgeführt.</translation>
    </message>
</context>
<context>
    <name>TColorConfig</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Color Configuration</source>
        <translation>Farbeinstellungen</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Major Titles</source>
        <translation>Haupttitel</translation>
    </message>
    <message>
        <source>Minor Titles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Radio Button</source>
        <translation>Optionsfeld</translation>
    </message>
    <message>
        <source>Check Box</source>
        <translation>Kontrollkästchen</translation>
    </message>
    <message>
        <source>Edit Box</source>
        <translation>Eingabefeld</translation>
    </message>
    <message>
        <source>Sample Text</source>
        <translation>Beispieltext</translation>
    </message>
    <message>
        <source>Combo Box</source>
        <translation>Auswahlfeld</translation>
    </message>
    <message>
        <source>List Box</source>
        <translation>Listenfeld</translation>
    </message>
    <message>
        <source>Predefined Color Combinations</source>
        <translation>Vordefinierte Farbkombinationen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>The help file "%1" cannot be opened.</source>
        <translation>Die Hilfedatei "%1" kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>TImportFormat</name>
    <message>
        <source>Import Format</source>
        <translation>Importformat</translation>
    </message>
    <message>
        <source>DBase File (DBF)</source>
        <translation>dBASE-Datei (DBF)</translation>
    </message>
    <message>
        <source>Ascii Delimited File</source>
        <translation>ASCII-Datei mit Trennzeichen</translation>
    </message>
    <message>
        <source>Select &amp;File</source>
        <translation>&amp;Datei wählen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Import Data</source>
        <translation>Daten importieren</translation>
    </message>
    <message>
        <source>Ascii Delimited Text (*.TXT)</source>
        <translation>ASCII-Text mit Trennzeichen (*.TXT)</translation>
    </message>
    <message>
        <source>DBase  (*.DBF)</source>
        <translation>dBASE  (*.DBF)</translation>
    </message>
    <message>
        <source>Invalid file type selected.</source>
        <translation>Ungültiger Dateityp gewählt.</translation>
    </message>
    <message>
        <source>The database that is open cannot be imported into itself.</source>
        <translation>Die geöffnete Datenbank kann nicht in sich selbst importiert werden.</translation>
    </message>
    <message>
        <source>Comma Separated Values (*.csv *.tsv *.txt)</source>
        <translation>Kommagetrennte Werte (*.csv *.tsv *.txt)</translation>
    </message>
    <message>
        <source>The selected file is not a text file.</source>
        <translation>Die gewählte Datei ist keine Textdatei.</translation>
    </message>
    <message>
        <source>The selected file holds no books.</source>
        <translation>Die gewählte Datei enthält keine Bücher.</translation>
    </message>
</context>
<context>
    <name>TImportPreview</name>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Was geschieht</translation>
    </message>
    <message>
        <source>The file holds 1 book.</source>
        <translation>Die Datei enthält 1 Buch.</translation>
    </message>
    <message>
        <source>The file holds %1 books.</source>
        <translation>Die Datei enthält %1 Bücher.</translation>
    </message>
    <message>
        <source>  Every value will be stored as it is.</source>
        <translation>  Jeder Wert wird so gespeichert, wie er ist.</translation>
    </message>
    <message>
        <source>  1 value will not be stored as it is: see the list below.</source>
        <translation>  1 Wert wird nicht so gespeichert, wie er ist: siehe die Liste unten.</translation>
    </message>
    <message>
        <source>  %1 values will not be stored as they are: see the list below.</source>
        <translation>  %1 Werte werden nicht so gespeichert, wie sie sind: siehe die Liste unten.</translation>
    </message>
    <message>
        <source>  1 book is already in the database or twice in the file.</source>
        <translation>  1 Buch ist schon in der Datenbank oder zweimal in der Datei.</translation>
    </message>
    <message>
        <source>  %1 books are already in the database or twice in the file.</source>
        <translation>  %1 Bücher sind schon in der Datenbank oder zweimal in der Datei.</translation>
    </message>
    <message>
        <source>  The reading stops at line %1: a value there opens with a double quote that is never closed.</source>
        <translation>  Das Lesen endet in Zeile %1: Ein Wert beginnt dort mit einem Anführungszeichen, das nie geschlossen wird.</translation>
    </message>
    <message>
        <source>Import Preview</source>
        <translation>Importvorschau</translation>
    </message>
    <message>
        <source>The first %1 books as they will be stored:</source>
        <translation>Die ersten %1 Bücher, wie sie gespeichert werden:</translation>
    </message>
    <message>
        <source>Already in</source>
        <translation>Schon in</translation>
    </message>
    <message>
        <source>database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Values that will not be stored as they are, and books found twice:</source>
        <translation>Werte, die nicht so gespeichert werden, wie sie sind, und doppelte Bücher:</translation>
    </message>
    <message>
        <source>Skip books already in the database</source>
        <translation>Bücher überspringen, die schon in der Datenbank sind</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>New Database</source>
        <translation>Neue Datenbank</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Datenbank öffnen</translation>
    </message>
    <message>
        <source>Add Record</source>
        <translation>Datensatz hinzufügen</translation>
    </message>
    <message>
        <source>Edit Record</source>
        <translation>Datensatz bearbeiten</translation>
    </message>
    <message>
        <source>Copy Record</source>
        <translation>Datensatz kopieren</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>Datensatz löschen</translation>
    </message>
    <message>
        <source>Import Records</source>
        <translation>Datensätze importieren</translation>
    </message>
    <message>
        <source>Export Records</source>
        <translation>Datensätze exportieren</translation>
    </message>
    <message>
        <source>Search Records</source>
        <translation>Datensätze suchen</translation>
    </message>
    <message>
        <source>End Search</source>
        <translation>Suche beenden</translation>
    </message>
    <message>
        <source>Locate Record</source>
        <translation>Datensatz finden</translation>
    </message>
    <message>
        <source>Locate Next Record</source>
        <translation>Nächsten Datensatz finden</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Viewer Configuration</source>
        <translation>Ansicht einrichten</translation>
    </message>
    <message>
        <source>Color Setup</source>
        <translation>Farbeinstellungen</translation>
    </message>
    <message>
        <source>Set Sorting Order</source>
        <translation>Sortierfolge festlegen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>E&amp;nd Srch</source>
        <translation>Such&amp;ende</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>Beri&amp;chte</translation>
    </message>
    <message>
        <source>&amp;Viewer</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>H&amp;ilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Beende&amp;n</translation>
    </message>
    <message>
        <source>Database Files (*.DBF)</source>
        <translation>Datenbankdateien (*.DBF)</translation>
    </message>
    <message>
        <source>Open Database File</source>
        <translation>Datenbankdatei öffnen</translation>
    </message>
    <message>
        <source>Invalid file type selected.</source>
        <translation>Ungültiger Dateityp gewählt.</translation>
    </message>
    <message>
        <source>New Database File</source>
        <translation>Neue Datenbankdatei</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The index of the database "%1" could not be built.  Its books are shown in the order they were added, not in their sort order.</source>
        <translation>Der Index der Datenbank "%1" konnte nicht aufgebaut werden.  Ihre Bücher erscheinen in der Reihenfolge, in der sie erfasst wurden, nicht in ihrer Sortierfolge.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The index of the database "%1" cannot be read or built again.  The database is opened read-only, in the order the books were added.</source>
        <translation>Der Index der Datenbank "%1" kann weder gelesen noch neu aufgebaut werden.  Die Datenbank wird schreibgeschützt geöffnet, in der Reihenfolge, in der die Bücher erfasst wurden.</translation>
    </message>
    <message>
        <source>The database "%1" is in use by another program that does not share it.  Choose Retry when that program has closed it, or Cancel to choose another file.</source>
        <translation>Die Datenbank "%1" wird von einem anderen Programm exklusiv verwendet.  Wählen Sie Wiederholen, sobald das Programm sie geschlossen hat, oder Abbrechen, um eine andere Datei zu wählen.</translation>
    </message>
    <message>
        <source>Field %1 not found.</source>
        <translation>Feld %1 nicht gefunden.</translation>
    </message>
    <message>
        <source>DataSource does not reference an active DataSet</source>
        <translation>Die Datenquelle verweist auf keine geöffnete Datenmenge</translation>
    </message>
    <message>
        <source>DataSource does not refer to an active table!</source>
        <translation>Die Datenquelle verweist auf keine geöffnete Tabelle!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No more matches found</source>
        <translation>Keine weiteren Treffer gefunden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Database</source>
        <translation>Neue &amp;Datenbank</translation>
    </message>
    <message>
        <source>&amp;Open Database</source>
        <translation>Datenbank ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Update Database</source>
        <translation>Datenbank a&amp;ktualisieren</translation>
    </message>
    <message>
        <source>&amp;Back Up Data</source>
        <translation>Daten &amp;sichern</translation>
    </message>
    <message>
        <source>&amp;Restore Data</source>
        <translation>Daten &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>Daten&amp;sätze</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Navi&amp;gate</source>
        <translation>&amp;Navigieren</translation>
    </message>
    <message>
        <source>&amp;Search (Query)</source>
        <translation>&amp;Suchen (Abfrage)</translation>
    </message>
    <message>
        <source>&amp;End Search</source>
        <translation>Suche b&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Locate</source>
        <translation>&amp;Finden</translation>
    </message>
    <message>
        <source>Locate &amp;Next</source>
        <translation>&amp;Weiter finden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Sort &amp;Order</source>
        <translation>&amp;Sortierfolge</translation>
    </message>
    <message>
        <source>Screen Si&amp;ze</source>
        <translation>Bildschirm&amp;größe</translation>
    </message>
    <message>
        <source>&amp;Screen Access</source>
        <translation>Schaltflächen&amp;leiste</translation>
    </message>
    <message>
        <source>&amp;Speed Buttons</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Lettered Buttons</source>
        <translation>&amp;Beschriftete Schaltflächen</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;Main Window Color</source>
        <translation>&amp;Hauptfenster</translation>
    </message>
    <message>
        <source>&amp;Edit Window Color</source>
        <translation>&amp;Eingabefenster</translation>
    </message>
    <message>
        <source>&amp;Search Window Color</source>
        <translation>&amp;Suchfenster</translation>
    </message>
    <message>
        <source>&amp;Report Window Color</source>
        <translation>&amp;Berichtsfenster</translation>
    </message>
    <message>
        <source>&amp;Configure Window Color</source>
        <translation>&amp;Konfigurationsfenster</translation>
    </message>
    <message>
        <source>&amp;ALL Windows Color</source>
        <translation>&amp;Alle Fenster</translation>
    </message>
    <message>
        <source>List &amp;Maintenance</source>
        <translation>Listen&amp;pflege</translation>
    </message>
    <message>
        <source>&amp;Save As Defaults</source>
        <translation>Als Vorgabe s&amp;peichern</translation>
    </message>
    <message>
        <source>Load In &amp;Defaults</source>
        <translation>Vorgaben &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>&amp;Location</source>
        <translation>&amp;Standort</translation>
    </message>
    <message>
        <source>&amp;Where Purchased</source>
        <translation>&amp;Gekauft bei</translation>
    </message>
    <message>
        <source>&amp;Category</source>
        <translation>&amp;Kategorie</translation>
    </message>
    <message>
        <source>&amp;Publisher</source>
        <translation>&amp;Verlag</translation>
    </message>
    <message>
        <source>&amp;Book Type</source>
        <translation>&amp;Buchart</translation>
    </message>
    <message>
        <source>&amp;Rating</source>
        <translation>Be&amp;wertung</translation>
    </message>
    <message>
        <source>Chec&amp;k Out Person</source>
        <translation>&amp;Entleiher</translation>
    </message>
    <message>
        <source>C&amp;ondition</source>
        <translation>&amp;Zustand</translation>
    </message>
    <message>
        <source>C&amp;urrency Format</source>
        <translation>&amp;Währungsformat</translation>
    </message>
    <message>
        <source>&amp;U.S. Dollars</source>
        <translation>&amp;US-Dollar</translation>
    </message>
    <message>
        <source>&amp;Windows Setting</source>
        <translation>&amp;Systemeinstellung</translation>
    </message>
    <message>
        <source>&amp;Numeric Format</source>
        <translation>&amp;Zahlenformat</translation>
    </message>
    <message>
        <source>&amp;U.S. Format</source>
        <translation>&amp;US-Format</translation>
    </message>
    <message>
        <source>&amp;Date Format</source>
        <translation>&amp;Datumsformat</translation>
    </message>
    <message>
        <source>&amp;Leading Zeros</source>
        <translation>&amp;Führende Nullen</translation>
    </message>
    <message>
        <source>&amp;Label Font</source>
        <translation>Schrift für &amp;Beschriftungen</translation>
    </message>
    <message>
        <source>&amp;Edit Font</source>
        <translation>Schrift für &amp;Eingabefelder</translation>
    </message>
    <message>
        <source>&amp;Button Font</source>
        <translation>Schrift für S&amp;chaltflächen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Search and Replace</source>
        <translation>&amp;Suchen und Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Rebuild Indexes</source>
        <translation>&amp;Indizes neu aufbauen</translation>
    </message>
    <message>
        <source>&amp;Pack Database</source>
        <translation>Datenbank &amp;packen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Review "Tips of the Day"</source>
        <translation>"&amp;Tipps des Tages" ansehen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Book Viewer</source>
        <translation>Bücherliste</translation>
    </message>
    <message>
        <source>Navigation Controls</source>
        <translation>Blättern</translation>
    </message>
    <message>
        <source>SEARCH ON</source>
        <translation>SUCHE AKTIV</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Bücher</translation>
    </message>
    <message>
        <source>The last database used as recorded in the INI file is not a valid Bindlow Books 97 file.  You will need to choose a new file.</source>
        <translation>Die in der INI-Datei vermerkte zuletzt verwendete Datenbank ist keine gültige Bindlow-Books-97-Datei.  Bitte wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>requires exclusive use of the DBase File.  Make sure that the DBase File is not in use by another program  or that no other users are running the software or that no other copies of the software are in use.</source>
        <translation>benötigt die dBASE-Datei allein.  Stellen Sie sicher, dass kein anderes Programm die dBASE-Datei verwendet, kein anderer Benutzer das Programm ausführt und keine weitere Kopie des Programms läuft.</translation>
    </message>
    <message>
        <source>Delete this record?</source>
        <translation>Diesen Datensatz löschen?</translation>
    </message>
    <message>
        <source>Deleted items are not permanently removed from the database until packing occurs.  Packing simply removes them to free up space.  Continue?</source>
        <translation>Gelöschte Einträge werden erst beim Packen endgültig aus der Datenbank entfernt.  Das Packen entfernt sie, um Platz freizugeben.  Fortfahren?</translation>
    </message>
    <message>
        <source>Unable to pack table.  Packing </source>
        <translation>Die Tabelle kann nicht gepackt werden.  Das Packen </translation>
    </message>
    <message>
        <source>It is possible for your index files to become corrupted.  As a result, some items may not show up in the viewer or in reports.  This will rebuild your index files correctly.  Continue?</source>
        <translation>Indexdateien können beschädigt werden.  Dann fehlen manche Einträge in der Ansicht oder in Berichten.  Hiermit werden die Indexdateien korrekt neu aufgebaut.  Fortfahren?</translation>
    </message>
    <message>
        <source>Unable to reindex table.  Reindexing </source>
        <translation>Der Index kann nicht neu aufgebaut werden.  Der Neuaufbau </translation>
    </message>
    <message>
        <source>Your current Data Lists will become your default list values.  These values will be used when new databases are created.  Previous default values will be lost.  Do you want to proceed?</source>
        <translation>Ihre aktuellen Auswahllisten werden zu den Vorgabelisten.  Diese werden für neue Datenbanken verwendet.  Die bisherigen Vorgaben gehen verloren.  Fortfahren?</translation>
    </message>
    <message>
        <source>Your current Data Lists will be overridden with your default list values. Previous  values will be lost.  Do you want to proceed?</source>
        <translation>Ihre aktuellen Auswahllisten werden durch die Vorgabelisten ersetzt. Die bisherigen Einträge gehen verloren.  Fortfahren?</translation>
    </message>
    <message>
        <source>Search and Replace requires exclusive use of the DBase File.  Make sure that the DBase File is not in use by another program  or that no other users are running the software or that no other copies of the software are in use.</source>
        <translation>Suchen und Ersetzen benötigt die dBASE-Datei allein.  Stellen Sie sicher, dass kein anderes Programm die dBASE-Datei verwendet, kein anderer Benutzer das Programm ausführt und keine weitere Kopie des Programms läuft.</translation>
    </message>
    <message>
        <source>Error in running search and replace.  Search and replace will be aborted.</source>
        <translation>Fehler beim Suchen und Ersetzen.  Suchen und Ersetzen wird abgebrochen.</translation>
    </message>
    <message>
        <source>Item = "%1".  Change this record?</source>
        <translation>Eintrag = "%1".  Diesen Datensatz ändern?</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Global Search and Replace Complete.</source>
        <translation>Suchen und Ersetzen abgeschlossen.</translation>
    </message>
    <message>
        <source>Creating a new sort order requires exclusive use of the DBase File.  Make sure that the DBase File is not in use by another program  or that no other users are running the software or that no other copies of the software are in use.</source>
        <translation>Für eine neue Sortierfolge wird die dBASE-Datei allein benötigt.  Stellen Sie sicher, dass kein anderes Programm die dBASE-Datei verwendet, kein anderer Benutzer das Programm ausführt und keine weitere Kopie des Programms läuft.</translation>
    </message>
    <message>
        <source>Error in implementing sort order.  New sort order not implemented.</source>
        <translation>Fehler beim Anlegen der Sortierfolge.  Die neue Sortierfolge wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>&amp;Undo Last Import</source>
        <translation>Letzten Import &amp;zurücknehmen</translation>
    </message>
    <message>
        <source>Undo Last Import</source>
        <translation>Letzten Import zurücknehmen</translation>
    </message>
    <message>
        <source>There is no import to undo.</source>
        <translation>Es gibt keinen Import, der zurückgenommen werden kann.</translation>
    </message>
    <message>
        <source>The last import can no longer be undone: its books were renumbered when the database was packed or restored.</source>
        <translation>Der letzte Import kann nicht mehr zurückgenommen werden: Seine Bücher wurden beim Packen oder Wiederherstellen der Datenbank neu nummeriert.</translation>
    </message>
    <message>
        <source>The books of the last import are deleted already.</source>
        <translation>Die Bücher des letzten Imports sind schon gelöscht.</translation>
    </message>
    <message>
        <source>%1 books of the import of %2 on %3 will be deleted, %4 of them changed since.  Delete them?</source>
        <translation>%1 Bücher des Imports von %2 am %3 werden gelöscht, %4 davon seither geändert.  Löschen?</translation>
    </message>
</context>
<context>
    <name>TMyBackup</name>
    <message>
        <source>An error occurred during backup.  Backup not completed.</source>
        <translation>Beim Sichern ist ein Fehler aufgetreten.  Die Sicherung wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Backup completed successfully.</source>
        <translation>Die Sicherung wurde erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>Destination File and Source File are identical.  You cannot copy a file  over top of itself.  Please choose a different directory/folder to backup to.</source>
        <translation>Ziel- und Quelldatei sind identisch.  Eine Datei kann nicht auf sich selbst kopiert werden.  Bitte wählen Sie einen anderen Zielordner für die Sicherung.</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>What To Back Up</source>
        <translation>Was gesichert wird</translation>
    </message>
    <message>
        <source>Where To Back Up To</source>
        <translation>Wohin gesichert wird</translation>
    </message>
    <message>
        <source>&amp;Start Back Up</source>
        <translation>&amp;Sicherung starten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Backing up the database requires exclusive use of the DBase File.  Make sure that the DBase File is not in use by another program  or that no other users are running the software or that no other copies of the software are in use.</source>
        <translation>Zum Sichern der Datenbank wird die dBASE-Datei allein benötigt.  Stellen Sie sicher, dass kein anderes Programm die dBASE-Datei verwendet, kein anderer Benutzer das Programm ausführt und keine weitere Kopie des Programms läuft.</translation>
    </message>
    <message>
        <source>There is not enough room on the destination drive to perform a backup.  If you are already using blank empty media, then you will need to use the ASCII Delimited Import/Export functions for backup and restore purposes.</source>
        <translation>Auf dem Ziellaufwerk ist nicht genug Platz für eine Sicherung.  Verwenden Sie bereits einen leeren Datenträger, so sichern und laden Sie Ihre Daten mit dem ASCII-Export und -Import.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>There is room for this backup only in place of the old one.  If the copy fails, you will have no backup.  Replace the old backup?</source>
        <translation>Für diese Sicherung ist nur an Stelle der alten Platz.  Misslingt das Kopieren, haben Sie keine Sicherung.  Alte Sicherung ersetzen?</translation>
    </message>
    <message>
        <source>Destination File and Source File are identical.  You cannot copy a file  over top of itself.  Please choose a different directory to backup to.</source>
        <translation>Ziel- und Quelldatei sind identisch.  Eine Datei kann nicht auf sich selbst kopiert werden.  Bitte wählen Sie ein anderes Zielverzeichnis für die Sicherung.</translation>
    </message>
    <message>
        <source>There is not enough room on the destination drive to backup this file.  You will need to free up space on the destination drive or use an alternative method to backup the "KAVBOOK.URP" file.</source>
        <translation>Auf dem Ziellaufwerk ist nicht genug Platz, um diese Datei zu sichern.  Geben Sie Platz auf dem Ziellaufwerk frei oder sichern Sie die Datei "KAVBOOK.URP" auf anderem Wege.</translation>
    </message>
</context>
<context>
    <name>TMyEditBox</name>
    <message>
        <source>Edit "%1" List</source>
        <translation>Liste "%1" bearbeiten</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>Are you sure you want to sort the data?  Sorting cannot be undone.</source>
        <translation>Sollen die Einträge wirklich sortiert werden?  Das Sortieren lässt sich nicht rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>TMyExport</name>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>EXPORT IT</source>
        <translation>EXPORTIEREN</translation>
    </message>
    <message>
        <source>To have a field included in the export, select "Yes".  To exclude it, select "No".  Double click on the field to toggle between Yes and No.</source>
        <translation>Wählen Sie "Yes", damit ein Feld exportiert wird, und "No", um es auszulassen.  Ein Doppelklick auf das Feld wechselt zwischen Yes und No.</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Auf</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Ab</translation>
    </message>
    <message>
        <source>D&amp;efaults</source>
        <translation>&amp;Vorgaben</translation>
    </message>
    <message>
        <source>&amp;First Record Contains Field Names</source>
        <translation>&amp;Erster Datensatz enthält die Feldnamen</translation>
    </message>
    <message>
        <source>What to Export</source>
        <translation>Was exportiert wird</translation>
    </message>
    <message>
        <source>Export Entire Database</source>
        <translation>Gesamte Datenbank exportieren</translation>
    </message>
    <message>
        <source>Export Search Criteria</source>
        <translation>Suchergebnis exportieren</translation>
    </message>
    <message>
        <source>How To Export</source>
        <translation>Exportformat</translation>
    </message>
    <message>
        <source>Ascii Delimited Text File</source>
        <translation>ASCII-Textdatei mit Trennzeichen</translation>
    </message>
    <message>
        <source>DBase File (DBF)</source>
        <translation>dBASE-Datei (DBF)</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Fortschritt des Exports</translation>
    </message>
    <message>
        <source>&amp;Start Export</source>
        <translation>&amp;Export starten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Re-Order</source>
        <translation>Neu ordnen</translation>
    </message>
    <message>
        <source>This will set the order of fields to the program defaults.  Continue?</source>
        <translation>Hiermit wird die Feldreihenfolge auf die Vorgaben des Programms gesetzt.  Fortfahren?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No fields selected for export.</source>
        <translation>Keine Felder für den Export gewählt.</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>Ascii Delimited Text (*.TXT)</source>
        <translation>ASCII-Text mit Trennzeichen (*.TXT)</translation>
    </message>
    <message>
        <source>DBase (*.DBF)</source>
        <translation>dBASE (*.DBF)</translation>
    </message>
    <message>
        <source>Invalid file type selected.</source>
        <translation>Ungültiger Dateityp gewählt.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Export Complete.</source>
        <translation>Export abgeschlossen.</translation>
    </message>
    <message>
        <source>Comma Separated Values (UTF-8)</source>
        <translation>Kommagetrennte Werte (UTF-8)</translation>
    </message>
    <message>
        <source>Comma Separated Values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
</context>
<context>
    <name>TMyImport</name>
    <message>
        <source>Ascii Delimited Text Import</source>
        <translation>Import aus ASCII-Text mit Trennzeichen</translation>
    </message>
    <message>
        <source>DBase File Import</source>
        <translation>Import aus dBASE-Datei</translation>
    </message>
    <message>
        <source>BINDLOW FIELDS</source>
        <translation>BINDLOW-FELDER</translation>
    </message>
    <message>
        <source>IMPORT FIELDS</source>
        <translation>IMPORTFELDER</translation>
    </message>
    <message>
        <source>Use the "Up" and "Down" buttons to match up the Bindlow fields with the Import Fields.  Select "Yes"  to include it.  Double click on the "USE" field to toggle between Yes and No.</source>
        <translation>Ordnen Sie mit "Auf" und "Ab" die Bindlow-Felder den Importfeldern zu.  Wählen Sie "Yes", um ein Feld zu übernehmen.  Ein Doppelklick auf das Feld "USE" wechselt zwischen Yes und No.</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Auf</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Ab</translation>
    </message>
    <message>
        <source>Skip First Record</source>
        <translation>Erste Zeile überspringen</translation>
    </message>
    <message>
        <source>&amp;Start Import</source>
        <translation>&amp;Import starten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>%1 values hold characters that this database cannot store.  They will be stored as "?".  Import anyway?</source>
        <translation>%1 Werte enthalten Zeichen, die diese Datenbank nicht speichern kann.  Sie werden als "?" gespeichert.  Trotzdem importieren?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Comma Separated Values Import</source>
        <translation>Import kommagetrennter Werte</translation>
    </message>
    <message>
        <source>Each book field takes the column beside it.  Double click a column, or press F2, to choose another.  Select "Yes" to include it.</source>
        <translation>Jedes Buchfeld erhält die Spalte daneben.  Doppelklicken Sie auf eine Spalte oder drücken Sie F2, um eine andere zu wählen.  Wählen Sie "Yes", um sie zu übernehmen.</translation>
    </message>
    <message>
        <source>Sepa&amp;rator</source>
        <translation>&amp;Trennzeichen</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&lt;EMPTY&gt;</source>
        <translation>&lt;LEER&gt;</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>&lt;BLANK FIELD&gt;</source>
        <translation>&lt;LEERES FELD&gt;</translation>
    </message>
</context>
<context>
    <name>TMyLocateDlg</name>
    <message>
        <source>&amp;Field To Search On</source>
        <translation>&amp;Suchfeld</translation>
    </message>
    <message>
        <source>Select the field to search on</source>
        <translation>Das zu durchsuchende Feld wählen</translation>
    </message>
    <message>
        <source>&amp;Search Type</source>
        <translation>Such&amp;art</translation>
    </message>
    <message>
        <source>&amp;Case-sensitive</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Searching is case-sensitive</source>
        <translation>Groß- und Kleinschreibung wird unterschieden</translation>
    </message>
    <message>
        <source>&amp;Exact Match</source>
        <translation>&amp;Genaue Übereinstimmung</translation>
    </message>
    <message>
        <source>Match occurs only if there is an exact match</source>
        <translation>Treffer nur bei genauer Übereinstimmung</translation>
    </message>
    <message>
        <source>&amp;Partial Match at Beginning</source>
        <translation>Übereinstimmung am &amp;Anfang</translation>
    </message>
    <message>
        <source>Partial Match &amp;Anywhere</source>
        <translation>Übereinstimmung &amp;irgendwo</translation>
    </message>
    <message>
        <source>Search &amp;Value</source>
        <translation>Such&amp;wert</translation>
    </message>
    <message>
        <source>Enter field's search value</source>
        <translation>Suchwert für das Feld eingeben</translation>
    </message>
    <message>
        <source>Fi&amp;rst</source>
        <translation>&amp;Erster</translation>
    </message>
    <message>
        <source>Find first match</source>
        <translation>Ersten Treffer finden</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächster</translation>
    </message>
    <message>
        <source>Find next match from current record</source>
        <translation>Nächsten Treffer ab dem aktuellen Datensatz finden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No matches found</source>
        <translation>Keine Treffer gefunden</translation>
    </message>
    <message>
        <source>No more matches found</source>
        <translation>Keine weiteren Treffer gefunden</translation>
    </message>
</context>
<context>
    <name>TMyPreview</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print Page</source>
        <translation>Seite &amp;drucken</translation>
    </message>
    <message>
        <source>Print &amp;Report</source>
        <translation>&amp;Bericht drucken</translation>
    </message>
    <message>
        <source>Print Ran&amp;ge</source>
        <translation>Seiten&amp;bereich drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Navigate</source>
        <translation>&amp;Blättern</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Vorherige Seite</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>&amp;First Page</source>
        <translation>&amp;Erste Seite</translation>
    </message>
    <message>
        <source>&amp;Last Page</source>
        <translation>&amp;Letzte Seite</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;nsicht</translation>
    </message>
    <message>
        <source>Use Color</source>
        <translation>Farbe verwenden</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>&amp;1 : 1</source>
        <translation>&amp;1 : 1</translation>
    </message>
    <message>
        <source>&amp;2 : 1</source>
        <translation>&amp;2 : 1</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>1 : &amp;1</source>
        <translation>1 : &amp;1</translation>
    </message>
    <message>
        <source>1 : &amp;2</source>
        <translation>1 : &amp;2</translation>
    </message>
    <message>
        <source>1 : &amp;3</source>
        <translation>1 : &amp;3</translation>
    </message>
    <message>
        <source>1 : &amp;4</source>
        <translation>1 : &amp;4</translation>
    </message>
    <message>
        <source>1 : &amp;5</source>
        <translation>1 : &amp;5</translation>
    </message>
    <message>
        <source>Zoom &amp;Page Width</source>
        <translation>&amp;Seitenbreite</translation>
    </message>
    <message>
        <source>Zoom &amp;Whole Page</source>
        <translation>&amp;Ganze Seite</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom Page Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Zoom Whole Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Prev Page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Seite drucken</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Zoom %</source>
        <translation>Zoom %</translation>
    </message>
    <message>
        <source>Page #</source>
        <translation>Seite Nr.</translation>
    </message>
    <message>
        <source>Page 1 of 1</source>
        <translation>Seite 1 von 1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Previous print job has not yet finished.  Try again later.</source>
        <translation>Der vorherige Druckauftrag ist noch nicht beendet.  Versuchen Sie es später noch einmal.</translation>
    </message>
</context>
<context>
    <name>TMyReport</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Report Selection</source>
        <translation>Berichtsauswahl</translation>
    </message>
    <message>
        <source>Current Sort Order</source>
        <translation>Aktuelle Sortierfolge</translation>
    </message>
    <message>
        <source>What to Print</source>
        <translation>Was gedruckt wird</translation>
    </message>
    <message>
        <source>Print Entire Database</source>
        <translation>Gesamte Datenbank drucken</translation>
    </message>
    <message>
        <source>Print Search Criteria</source>
        <translation>Suchergebnis drucken</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;nsicht</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print To &amp;File</source>
        <translation>In &amp;Datei drucken</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Modify Report</source>
        <translation>Bericht &amp;ändern</translation>
    </message>
    <message>
        <source>&amp;New Report</source>
        <translation>&amp;Neuer Bericht</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Save Report As a Text File</source>
        <translation>Bericht als Textdatei speichern</translation>
    </message>
    <message>
        <source>Text Files (*.TXT)</source>
        <translation>Textdateien (*.TXT)</translation>
    </message>
    <message>
        <source>No printers are defined, aborting print job.</source>
        <translation>Es sind keine Drucker eingerichtet, der Druckauftrag wird abgebrochen.</translation>
    </message>
    <message>
        <source>Print To a PDF File</source>
        <translation>In eine PDF-Datei drucken</translation>
    </message>
    <message>
        <source>PDF Files (*.PDF)</source>
        <translation>PDF-Dateien (*.PDF)</translation>
    </message>
    <message>
        <source>No Report has been selected.  Please choose one.</source>
        <translation>Es wurde kein Bericht gewählt.  Bitte wählen Sie einen.</translation>
    </message>
</context>
<context>
    <name>TMyRestore</name>
    <message>
        <source>An error occurred during restore.  Restore not completed.</source>
        <translation>Beim Wiederherstellen ist ein Fehler aufgetreten.  Die Wiederherstellung wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Restore completed successfully.</source>
        <translation>Die Wiederherstellung wurde erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>Destination File and Source File are identical.  You cannot copy a file  over top of itself.  Please choose a different directory/folder to restore from.</source>
        <translation>Ziel- und Quelldatei sind identisch.  Eine Datei kann nicht auf sich selbst kopiert werden.  Bitte wählen Sie einen anderen Ordner, aus dem wiederhergestellt wird.</translation>
    </message>
    <message>
        <source>There is not enough room on the destination drive to perform a restore.  You will need to free up hard drive space before completing the restore.</source>
        <translation>Auf dem Ziellaufwerk ist nicht genug Platz für die Wiederherstellung.  Geben Sie Speicherplatz frei, bevor Sie die Wiederherstellung abschließen.</translation>
    </message>
    <message>
        <source>The following file "%1" could not be located on the specified source drive.</source>
        <translation>Die Datei "%1" wurde auf dem angegebenen Quelllaufwerk nicht gefunden.</translation>
    </message>
    <message>
        <source>  Restored into the folder "%1".</source>
        <translation>  In den Ordner "%1" wiederhergestellt.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>What To Restore</source>
        <translation>Was wiederhergestellt wird</translation>
    </message>
    <message>
        <source>&amp;Start Restore</source>
        <translation>&amp;Wiederherstellung starten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Restore Database File</source>
        <translation>Datenbankdatei wiederherstellen</translation>
    </message>
    <message>
        <source>Restore Data List Files</source>
        <translation>Auswahllisten wiederherstellen</translation>
    </message>
    <message>
        <source>Restore Configuration File</source>
        <translation>Einstellungsdatei wiederherstellen</translation>
    </message>
    <message>
        <source>Restore URP File</source>
        <translation>Berichtsdatei (URP) wiederherstellen</translation>
    </message>
    <message>
        <source>Reports Files (*.URP)</source>
        <translation>Berichtsdateien (*.URP)</translation>
    </message>
    <message>
        <source>DBase Files (*.DBF)</source>
        <translation>dBASE-Dateien (*.DBF)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unable to restore the database.  Make sure the database is not in use by any other users or by another copy of the software.</source>
        <translation>Die Datenbank kann nicht wiederhergestellt werden.  Stellen Sie sicher, dass weder andere Benutzer noch eine weitere Kopie des Programms die Datenbank verwenden.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Replace the books of the database "%1" with those of the backup "%2" of %3?</source>
        <translation>Die Bücher der Datenbank "%1" durch die der Sicherung "%2" vom %3 ersetzen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>ALL proper "Data List" files restored successfully.</source>
        <translation>ALLE gültigen Auswahllisten-Dateien wurden wiederhergestellt.</translation>
    </message>
    <message>
        <source>One or more files were not restored.  Restore may not have completed successfully.</source>
        <translation>Eine oder mehrere Dateien wurden nicht wiederhergestellt.  Die Wiederherstellung ist möglicherweise unvollständig.</translation>
    </message>
    <message>
        <source>Configuration File restored successfully.</source>
        <translation>Die Einstellungsdatei wurde erfolgreich wiederhergestellt.</translation>
    </message>
    <message>
        <source>The Report Definitions file "KAVBOOK.URP" could not be  located on the specified source drive.</source>
        <translation>Die Berichtsdatei "KAVBOOK.URP" wurde auf dem angegebenen Quelllaufwerk nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>TMySearch</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Find More</source>
        <translation>&amp;Weitere Ebene</translation>
    </message>
    <message>
        <source>&amp;Clear Search</source>
        <translation>Suche &amp;leeren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source> FIELD</source>
        <translation> FELD</translation>
    </message>
    <message>
        <source> SEARCH CRITERIA    (Level %1)</source>
        <translation> SUCHKRITERIEN    (Ebene %1)</translation>
    </message>
    <message>
        <source>Search Options</source>
        <translation>Suchoptionen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>No search criteria entered.</source>
        <translation>Keine Suchkriterien eingegeben.</translation>
    </message>
    <message>
        <source>Invalid search criteria entered.  Please correct.</source>
        <translation>Ungültige Suchkriterien eingegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>More than 75 search items have been entered.  This exceeds the maximum allowable.  Search criteria will be cleared.</source>
        <translation>Es wurden mehr als 75 Suchkriterien eingegeben.  Das übersteigt das erlaubte Höchstmaß.  Die Suchkriterien werden gelöscht.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>No valid matches found.  Search Criteria will be cleared.</source>
        <translation>Keine gültigen Treffer gefunden.  Die Suchkriterien werden gelöscht.</translation>
    </message>
</context>
<context>
    <name>TMySortOrder</name>
    <message>
        <source>Sort Order</source>
        <translation>Sortierfolge</translation>
    </message>
    <message>
        <source>Primary Sort</source>
        <translation>Erste Sortierstufe</translation>
    </message>
    <message>
        <source>Secondary Sort</source>
        <translation>Zweite Sortierstufe</translation>
    </message>
    <message>
        <source>Third Level Sort</source>
        <translation>Dritte Sortierstufe</translation>
    </message>
    <message>
        <source>Fourth Level Sort</source>
        <translation>Vierte Sortierstufe</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TPrintRange</name>
    <message>
        <source>Page Printing</source>
        <translation>Seiten drucken</translation>
    </message>
    <message>
        <source>Starting Page</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>Ending Page</source>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Invalid Starting Page specified. Please correct.</source>
        <translation>Ungültige erste Seite angegeben. Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Invalid Ending Page specified.  Please correct.</source>
        <translation>Ungültige letzte Seite angegeben.  Bitte korrigieren.</translation>
    </message>
</context>
<context>
    <name>TPrintSelect</name>
    <message>
        <source>Printer Selection</source>
        <translation>Druckerauswahl</translation>
    </message>
    <message>
        <source>Default Printer</source>
        <translation>Standarddrucker</translation>
    </message>
    <message>
        <source>Other Printer</source>
        <translation>Anderer Drucker</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TRepLayout</name>
    <message>
        <source>Specify Report Layout</source>
        <translation>Berichtslayout festlegen</translation>
    </message>
    <message>
        <source>Report: </source>
        <translation>Bericht: </translation>
    </message>
    <message>
        <source>Using the left mouse button, click on the area where you would like to add or change the report layout.</source>
        <translation>Klicken Sie mit der linken Maustaste auf die Stelle, an der Sie das Berichtslayout ergänzen oder ändern möchten.</translation>
    </message>
    <message>
        <source>Report Body</source>
        <translation>Berichtstext</translation>
    </message>
    <message>
        <source>Report Totals</source>
        <translation>Berichtssummen</translation>
    </message>
    <message>
        <source>Report Layout</source>
        <translation>Berichtslayout</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Totals Line, Item %1</source>
        <translation>Summenzeile, Element %1</translation>
    </message>
    <message>
        <source>Line %1, Item %2</source>
        <translation>Zeile %1, Element %2</translation>
    </message>
    <message>
        <source>Report Layout, </source>
        <translation>Berichtslayout, </translation>
    </message>
</context>
<context>
    <name>TReportFonts</name>
    <message>
        <source> %1pt</source>
        <translation> %1 pt</translation>
    </message>
    <message>
        <source>Report Fonts</source>
        <translation>Berichtsschriften</translation>
    </message>
    <message>
        <source>Titles Font</source>
        <translation>Schrift der Titel</translation>
    </message>
    <message>
        <source>Column Header Font</source>
        <translation>Schrift der Spaltenköpfe</translation>
    </message>
    <message>
        <source>Report Body Font</source>
        <translation>Schrift des Berichtstexts</translation>
    </message>
    <message>
        <source>Footnote Font</source>
        <translation>Schrift der Fußnoten</translation>
    </message>
    <message>
        <source>New Font</source>
        <translation>Neue Schrift</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TReportForm</name>
    <message>
        <source>Report Status Screen</source>
        <translation>Berichtsstatus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Printing Page %p</source>
        <translation>Drucke Seite %p</translation>
    </message>
    <message>
        <source>Report Canceled!</source>
        <translation>Bericht abgebrochen!</translation>
    </message>
    <message>
        <source>Report Completed!</source>
        <translation>Bericht fertig!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TReportPart</name>
    <message>
        <source>Select Report Part</source>
        <translation>Berichtsteil wählen</translation>
    </message>
    <message>
        <source>Totals Line, Item %1</source>
        <translation>Summenzeile, Element %1</translation>
    </message>
    <message>
        <source>Line %1, Item %2</source>
        <translation>Zeile %1, Element %2</translation>
    </message>
    <message>
        <source>Filler (empty space)</source>
        <translation>Füllraum (Leerraum)</translation>
    </message>
    <message>
        <source>Label (constant value)</source>
        <translation>Beschriftung (fester Wert)</translation>
    </message>
    <message>
        <source>Field (database value)</source>
        <translation>Feld (Wert aus der Datenbank)</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Label Name</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Invalid width entered.  Please correct.</source>
        <translation>Ungültige Breite eingegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Please choose a field from the list.</source>
        <translation>Bitte wählen Sie ein Feld aus der Liste.</translation>
    </message>
</context>
<context>
    <name>TSearchAndReplace</name>
    <message>
        <source>Search and Replace</source>
        <translation>Suchen und Ersetzen</translation>
    </message>
    <message>
        <source>Field </source>
        <translation>Feld </translation>
    </message>
    <message>
        <source>Text To Search For</source>
        <translation>Gesuchter Text</translation>
    </message>
    <message>
        <source>Replacement Text</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <source>Confirm Before Replacing</source>
        <translation>Vor dem Ersetzen nachfragen</translation>
    </message>
    <message>
        <source>Processed</source>
        <translation>Bearbeitet</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gefunden</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>&amp;Start Search</source>
        <translation>&amp;Suche starten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>No field has been selected.</source>
        <translation>Es wurde kein Feld gewählt.</translation>
    </message>
    <message>
        <source>Invalid search value entered.  Please correct.</source>
        <translation>Ungültiger Suchwert eingegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Invalid replacement value entered.  Please correct.</source>
        <translation>Ungültiger Ersatzwert eingegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Invalid search date entered.  Please correct.</source>
        <translation>Ungültiges Suchdatum eingegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Invalid replacement date entered.  Please correct.</source>
        <translation>Ungültiges Ersatzdatum eingegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>The characters "%1" cannot be stored.  Please correct.</source>
        <translation>Die Zeichen "%1" können nicht gespeichert werden.  Bitte korrigieren.</translation>
    </message>
</context>
<context>
    <name>TUserReport</name>
    <message>
        <source>Report Definition</source>
        <translation>Berichtsdefinition</translation>
    </message>
    <message>
        <source>Report &amp;Name</source>
        <translation>Berichts&amp;name</translation>
    </message>
    <message>
        <source>Report Width</source>
        <translation>Berichtsbreite</translation>
    </message>
    <message>
        <source>90 Chars</source>
        <translation>90 Zeichen</translation>
    </message>
    <message>
        <source>120 Chars</source>
        <translation>120 Zeichen</translation>
    </message>
    <message>
        <source>150 Chars</source>
        <translation>150 Zeichen</translation>
    </message>
    <message>
        <source>Report Fonts</source>
        <translation>Berichtsschriften</translation>
    </message>
    <message>
        <source>Title Lines</source>
        <translation>Titelzeilen</translation>
    </message>
    <message>
        <source>Column Headers</source>
        <translation>Spaltenköpfe</translation>
    </message>
    <message>
        <source>Report Body</source>
        <translation>Berichtstext</translation>
    </message>
    <message>
        <source>Footnotes</source>
        <translation>Fußnoten</translation>
    </message>
    <message>
        <source>&amp;Set Fonts</source>
        <translation>&amp;Schriften festlegen</translation>
    </message>
    <message>
        <source>Group by Level 1 Sort</source>
        <translation>Nach Sortierstufe 1 gruppieren</translation>
    </message>
    <message>
        <source>Group by Level 2 Sort</source>
        <translation>Nach Sortierstufe 2 gruppieren</translation>
    </message>
    <message>
        <source>Horizontal Lines</source>
        <translation>Waagerechte Linien</translation>
    </message>
    <message>
        <source>Vertical Lines</source>
        <translation>Senkrechte Linien</translation>
    </message>
    <message>
        <source>Date On Pages</source>
        <translation>Datum auf den Seiten</translation>
    </message>
    <message>
        <source>Page Numbers</source>
        <translation>Seitenzahlen</translation>
    </message>
    <message>
        <source>Print Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Use Totals</source>
        <translation>Summen verwenden</translation>
    </message>
    <message>
        <source>Report Titles</source>
        <translation>Berichtstitel</translation>
    </message>
    <message>
        <source>Margins (in inches)</source>
        <translation>Ränder (in Zoll)</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Number of &amp;Lines</source>
        <translation>&amp;Zeilenzahl</translation>
    </message>
    <message>
        <source>&amp;Specify Report Content</source>
        <translation>Berichts&amp;inhalt festlegen</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Number of lines must be in range of 0 to 12.  Please correct.</source>
        <translation>Die Zeilenzahl muss zwischen 0 und 12 liegen.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Invalid margin entered.  Please correct.</source>
        <translation>Ungültiger Rand eingegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>The left and right margins leave no room for a character across the page.  Make the left or right margin smaller.</source>
        <translation>Linker und rechter Rand lassen keinen Platz für ein Zeichen in der Zeile.  Verkleinern Sie den linken oder rechten Rand.</translation>
    </message>
    <message>
        <source>The bottom margin leaves no room for a line on the page.  Make the bottom margin smaller.</source>
        <translation>Der untere Rand lässt keinen Platz für eine Zeile auf der Seite.  Verkleinern Sie den unteren Rand.</translation>
    </message>
    <message>
        <source>Report Title has changed!  Do you wish to save this as a new report?   (YES saves as new report.  NO overwrites old report.  CANCEL aborts.)</source>
        <translation>Der Berichtstitel wurde geändert!  Als neuen Bericht speichern?   (JA speichert als neuen Bericht.  NEIN überschreibt den alten Bericht.  ABBRECHEN bricht ab.)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this report?</source>
        <translation>Soll dieser Bericht wirklich gelöscht werden?</translation>
    </message>
</context>
<context>
    <name>TViewConfig</name>
    <message>
        <source>%1pt %2</source>
        <translation>%1 pt %2</translation>
    </message>
    <message>
        <source>Viewer Configuration</source>
        <translation>Ansicht einrichten</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Look and Feel</source>
        <translation>&amp;Aussehen</translation>
    </message>
    <message>
        <source>Fields to &amp;Show</source>
        <translation>&amp;Angezeigte Felder</translation>
    </message>
    <message>
        <source>Field &amp;Widths</source>
        <translation>Feld&amp;breiten</translation>
    </message>
    <message>
        <source>Field &amp;Order</source>
        <translation>Feld&amp;reihenfolge</translation>
    </message>
    <message>
        <source>Field &amp;Names</source>
        <translation>Feld&amp;namen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Show Column Titles</source>
        <translation>Spaltentitel zeigen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>New &amp;Color</source>
        <translation>Neue &amp;Farbe</translation>
    </message>
    <message>
        <source>Title Font</source>
        <translation>Titelschrift</translation>
    </message>
    <message>
        <source>New &amp;Font</source>
        <translation>Neue &amp;Schrift</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Grid Options</source>
        <translation>Tabellenoptionen</translation>
    </message>
    <message>
        <source>Show lines between columns</source>
        <translation>Linien zwischen den Spalten</translation>
    </message>
    <message>
        <source>Show lines between rows</source>
        <translation>Linien zwischen den Zeilen</translation>
    </message>
    <message>
        <source>Show current row indicator</source>
        <translation>Zeiger der aktuellen Zeile zeigen</translation>
    </message>
    <message>
        <source>Allow field editing</source>
        <translation>Bearbeiten in der Liste erlauben</translation>
    </message>
    <message>
        <source>Cell Color</source>
        <translation>Zellenfarbe</translation>
    </message>
    <message>
        <source>Cell Font</source>
        <translation>Zellenschrift</translation>
    </message>
    <message>
        <source>DISPLAY IT</source>
        <translation>ANZEIGEN</translation>
    </message>
    <message>
        <source>For each field that you would like displayed in the Viewer, select 'Yes'.  If you do not wish a field to appear in the Viewer, then select 'No' for that field.  Double Click on the field to change between 'Yes' and 'No'.</source>
        <translation>Wählen Sie 'Yes' für jedes Feld, das in der Ansicht erscheinen soll.  Soll ein Feld nicht erscheinen, wählen Sie dafür 'No'.  Ein Doppelklick auf das Feld wechselt zwischen 'Yes' und 'No'.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Ordering</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Auf</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Ab</translation>
    </message>
    <message>
        <source>D&amp;efaults</source>
        <translation>&amp;Vorgaben</translation>
    </message>
    <message>
        <source>NAME TO USE</source>
        <translation>ANZEIGENAME</translation>
    </message>
    <message>
        <source>Re-Order</source>
        <translation>Neu ordnen</translation>
    </message>
    <message>
        <source>This will set the order of fields to the program defaults.  Continue?</source>
        <translation>Hiermit wird die Feldreihenfolge auf die Vorgaben des Programms gesetzt.  Fortfahren?</translation>
    </message>
    <message>
        <source>Two field names have the same name "%1".  Please change one.</source>
        <translation>Zwei Felder tragen denselben Namen "%1".  Bitte ändern Sie einen.</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Double-click a book in the Book Viewer to open it in the record editor.</source>
        <translation>Ein Doppelklick auf ein Buch in der Bücherliste öffnet es im Eingabefenster.</translation>
    </message>
    <message>
        <source>Press Ctrl+A to add a book and Ctrl+E to edit the one you are on.</source>
        <translation>Mit Strg+A fügen Sie ein Buch hinzu, mit Strg+E bearbeiten Sie das aktuelle.</translation>
    </message>
    <message>
        <source>Search (Ctrl+S) finds books by up to 75 criteria.  Criteria on one level must all match; a book that matches any level is found.</source>
        <translation>Suchen (Strg+S) findet Bücher nach bis zu 75 Suchkriterien.  Die Kriterien einer Ebene müssen alle zutreffen; gefunden wird ein Buch, das zu irgendeiner Ebene passt.</translation>
    </message>
    <message>
        <source>While "SEARCH ON" shows, the viewer, reports and exports see only the books found.  End Search (Ctrl+I) shows them all again.</source>
        <translation>Solange "SUCHE AKTIV" erscheint, zeigen Ansicht, Berichte und Exporte nur die gefundenen Bücher.  Suche beenden (Strg+I) zeigt wieder alle.</translation>
    </message>
    <message>
        <source>Locate (Ctrl+L) jumps to a book by the value of one field; Locate Next (Ctrl+N) finds the next one.</source>
        <translation>Finden (Strg+L) springt zu einem Buch nach dem Wert eines Feldes; Weiter finden (Strg+N) findet das nächste.</translation>
    </message>
    <message>
        <source>Sort Order (Ctrl+Q) orders the viewer and your reports by up to four fields.</source>
        <translation>Sortierfolge (Strg+Q) ordnet die Ansicht und Ihre Berichte nach bis zu vier Feldern.</translation>
    </message>
    <message>
        <source>The viewer's columns, their titles, widths and order are yours to choose under Navigate, Viewer (Ctrl+V).</source>
        <translation>Spalten der Ansicht, ihre Titel, Breiten und Reihenfolge legen Sie unter Navigieren, Ansicht (Strg+V) fest.</translation>
    </message>
    <message>
        <source>Screen Size under Options makes every window larger for high screen resolutions.</source>
        <translation>Bildschirmgröße unter Optionen vergrößert alle Fenster für hohe Bildschirmauflösungen.</translation>
    </message>
    <message>
        <source>Options, Screen Access switches between speed buttons, lettered buttons and no buttons at all.</source>
        <translation>Optionen, Schaltflächenleiste wechselt zwischen Symbolleiste, beschrifteten Schaltflächen und gar keinen Schaltflächen.</translation>
    </message>
    <message>
        <source>Back up your books regularly with File, Back Up Data (Ctrl+B).</source>
        <translation>Sichern Sie Ihre Bücher regelmäßig mit Datei, Daten sichern (Strg+B).</translation>
    </message>
    <message>
        <source>Dates can be shown in twelve formats, with or without leading zeros: see Options, Date Format.</source>
        <translation>Daten lassen sich in zwölf Formaten anzeigen, mit oder ohne führende Nullen: siehe Optionen, Datumsformat.</translation>
    </message>
    <message>
        <source>Start the program with /BROWSE to let others look up books without changing them.</source>
        <translation>Starten Sie das Programm mit /BROWSE, damit andere Bücher nachschlagen, ohne sie zu ändern.</translation>
    </message>
    <message>
        <source>The drop-down lists of authors, publishers and the like grow as you add books; keep them tidy with Options, List Maintenance.</source>
        <translation>Die Auswahllisten für Autoren, Verlage und Ähnliches wachsen mit jedem Buch; halten Sie sie mit Optionen, Listenpflege in Ordnung.</translation>
    </message>
</context>
<context>
    <name>ValueNotes</name>
    <message>
        <source>no title</source>
        <translation>ohne Titel</translation>
    </message>
    <message>
        <source>%1 could not be read and was left empty.</source>
        <translation>%1 konnte nicht gelesen werden und blieb leer.</translation>
    </message>
    <message>
        <source>%1 was too long for the field and was cut.</source>
        <translation>%1 war zu lang für das Feld und wurde gekürzt.</translation>
    </message>
    <message>
        <source>characters that this database cannot store were stored as "?".</source>
        <translation>Zeichen, die diese Datenbank nicht speichern kann, wurden als "?" gespeichert.</translation>
    </message>
    <message>
        <source>%1 values beyond the fields of the first line were left out.</source>
        <translation>%1 Werte jenseits der Felder der ersten Zeile wurden ausgelassen.</translation>
    </message>
</context>
<context>
    <name>WindowFit</name>
    <message>
        <source>Too many compenents to save dimensions.</source>
        <translation>Zu viele Bestandteile, um die Abmessungen zu speichern.</translation>
    </message>
</context>
<context>
    <name>edit::TMyEdit</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>N&amp;ew Record</source>
        <translation>N&amp;euer Datensatz</translation>
    </message>
    <message>
        <source>Cop&amp;y Record</source>
        <translation>Datensatz &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Clear Record</source>
        <translation>Datensatz &amp;leeren</translation>
    </message>
    <message>
        <source>Up&amp;date Record</source>
        <translation>Datensatz s&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Update &amp;&amp; Exit</source>
        <translation>Speichern &amp;&amp; &amp;schließen</translation>
    </message>
    <message>
        <source>Prin&amp;t Record</source>
        <translation>Datensatz &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Previous Record</source>
        <translation>&amp;Vorheriger Datensatz</translation>
    </message>
    <message>
        <source>&amp;Next Record</source>
        <translation>&amp;Nächster Datensatz</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>Besc&amp;hreibung</translation>
    </message>
    <message>
        <source>&amp;Catalog</source>
        <translation>&amp;Katalog</translation>
    </message>
    <message>
        <source>&amp;Worth</source>
        <translation>&amp;Wert</translation>
    </message>
    <message>
        <source>Li&amp;brary</source>
        <translation>&amp;Ausleihe</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>S&amp;onstiges</translation>
    </message>
    <message>
        <source>Blan&amp;k</source>
        <translation>Lee&amp;r</translation>
    </message>
    <message>
        <source>Blan&amp;k Date</source>
        <translation>Ohne &amp;Datum</translation>
    </message>
    <message>
        <source>Up&amp;date</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Vorheriger</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächster</translation>
    </message>
    <message>
        <source>Invalid check out date specified.  Please correct.</source>
        <translation>Ungültiges Ausleihdatum angegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Invalid purchase date specified.  Please correct.</source>
        <translation>Ungültiges Einkaufsdatum angegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Invalid cost specified.  Please correct.</source>
        <translation>Ungültiger Einkaufspreis angegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Invalid value specified.  Please correct.</source>
        <translation>Ungültiger Wert angegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Invalid low market value specified.  Please correct.</source>
        <translation>Ungültiger niedrigster Marktwert angegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Invalid high market value specified.  Please correct.</source>
        <translation>Ungültiger höchster Marktwert angegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Invalid year published specified.  Please correct.</source>
        <translation>Ungültiges Erscheinungsjahr angegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Invalid number of pages specified.  Please correct.</source>
        <translation>Ungültige Seitenzahl angegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>The characters "%1" of %2 cannot be stored.  Please correct.</source>
        <translation>Die Zeichen "%1" in %2 können nicht gespeichert werden.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Data has changed.  Do you want to exit without updating?</source>
        <translation>Die Daten wurden geändert.  Ohne Speichern schließen?</translation>
    </message>
    <message>
        <source>Data has changed.  Update this record before creating new one?</source>
        <translation>Die Daten wurden geändert.  Diesen Datensatz speichern, bevor ein neuer angelegt wird?</translation>
    </message>
    <message>
        <source>Edit (New Record)</source>
        <translation>Bearbeiten (neuer Datensatz)</translation>
    </message>
    <message>
        <source>Data has changed.  Update this record before creating new one with the current data?</source>
        <translation>Die Daten wurden geändert.  Diesen Datensatz speichern, bevor mit seinen Daten ein neuer angelegt wird?</translation>
    </message>
    <message>
        <source>Edit (New Copied Record)</source>
        <translation>Bearbeiten (neuer kopierter Datensatz)</translation>
    </message>
    <message>
        <source>This record has not been updated yet.  Update this record before moving to the next record?</source>
        <translation>Dieser Datensatz ist noch nicht gespeichert.  Ihn speichern, bevor zum nächsten Datensatz gewechselt wird?</translation>
    </message>
    <message>
        <source>This record has not been updated yet.  Update this record before moving to the previous record?</source>
        <translation>Dieser Datensatz ist noch nicht gespeichert.  Ihn speichern, bevor zum vorherigen Datensatz gewechselt wird?</translation>
    </message>
    <message>
        <source>Data has changed.  Update this record before moving to the next record?</source>
        <translation>Die Daten wurden geändert.  Diesen Datensatz speichern, bevor zum nächsten Datensatz gewechselt wird?</translation>
    </message>
    <message>
        <source>Data has changed.  Update this record before moving to the previous record?</source>
        <translation>Die Daten wurden geändert.  Diesen Datensatz speichern, bevor zum vorherigen Datensatz gewechselt wird?</translation>
    </message>
    <message>
        <source>Other print job currently in progress.</source>
        <translation>Zurzeit läuft ein anderer Druckauftrag.</translation>
    </message>
</context>
<context>
    <name>ui::BookGridModel</name>
    <message>
        <source>'%1' is not a valid date.</source>
        <translation>'%1' ist kein gültiges Datum.</translation>
    </message>
    <message>
        <source>'%1' is not a valid number.</source>
        <translation>'%1' ist keine gültige Zahl.</translation>
    </message>
</context>
<context>
    <name>ui::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version 3.2b</source>
        <translation>Version 3.2b</translation>
    </message>
    <message>
        <source>A catalogue for a private library of books.</source>
        <translation>Ein Katalog für die private Büchersammlung.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ui::THelpWindow</name>
    <message>
        <source>Bindlow Books 97 Help</source>
        <translation>Hilfe zu Bindlow Books 97</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>ui::TNavigator</name>
    <message>
        <source>Delete record?</source>
        <translation>Datensatz löschen?</translation>
    </message>
    <message>
        <source>First record</source>
        <translation>Erster Datensatz</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Nächster Datensatz</translation>
    </message>
    <message>
        <source>Insert record</source>
        <translation>Datensatz einfügen</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Datensatz bearbeiten</translation>
    </message>
    <message>
        <source>Cancel edit</source>
        <translation>Bearbeitung abbrechen</translation>
    </message>
    <message>
        <source>Prior record</source>
        <translation>Vorheriger Datensatz</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Letzter Datensatz</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>Datensatz löschen</translation>
    </message>
    <message>
        <source>Post edit</source>
        <translation>Änderung speichern</translation>
    </message>
    <message>
        <source>Refresh data</source>
        <translation>Daten aktualisieren</translation>
    </message>
</context>
<context>
    <name>ui::TTipDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Wussten Sie schon ...</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>Tipps beim &amp;Start zeigen</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>