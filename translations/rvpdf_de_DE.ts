<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AssocGuidBox</name>
    <message>
        <source>Two Steps to Set %1 as the Default PDF Viewer</source>
        <translation>%1 in zwei Schritten als Standard-PDF-Viewer festlegen</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Schritt 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Schritt 2</translation>
    </message>
    <message>
        <source>Click %1 below, then click %2 in the pop-up.</source>
        <translation>Klicken Sie unten auf %1 und dann im Popup-Fenster auf %2.</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Als Standard festlegen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Select %1 from the list, then click %2 to apply changes.</source>
        <translation>Wählen Sie %1 in der Liste aus und klicken Sie dann auf %2, um die Änderungen zu übernehmen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>BlankOption</name>
    <message>
        <source>Blank PDF</source>
        <translation>Leeres PDF</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Seitengröße</translation>
    </message>
    <message>
        <source>Fixed Size</source>
        <translation>Feste Größe</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Lock aspect ratio</source>
        <translation>Seitenverhältnis sperren</translation>
    </message>
    <message>
        <source>Unlock aspect ration</source>
        <translation>Seitenverhältnis entsperren</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1 is a tabbed PDF reader for the desktop.</source>
        <translation>%1 ist ein PDF-Reader mit Tabs für den Desktop.</translation>
    </message>
    <message>
        <source>This application uses open-source libraries, each under its own license.</source>
        <translation>Diese Anwendung verwendet Open-Source-Bibliotheken, jeweils unter ihrer eigenen Lizenz.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CAnnotationLayer</name>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Delete Comment</source>
        <translation>Kommentar löschen</translation>
    </message>
    <message>
        <source>Edit Comment Text</source>
        <translation>Kommentartext bearbeiten</translation>
    </message>
    <message>
        <source>Erase Comments</source>
        <translation>Kommentare radieren</translation>
    </message>
    <message>
        <source>Move Comment</source>
        <translation>Kommentar verschieben</translation>
    </message>
    <message>
        <source>Resize Comment</source>
        <translation>Kommentargröße ändern</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Change Comment Color</source>
        <translation>Kommentarfarbe ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>CAnnotationPanel</name>
    <message>
        <source>Page %1 (%2)</source>
        <translation>Seite %1 (%2)</translation>
    </message>
    <message>
        <source>This document has no annotations.</source>
        <translation>Dieses Dokument enthält keine Anmerkungen.</translation>
    </message>
</context>
<context>
    <name>CChangeWatcher</name>
    <message>
        <source>Document Changed</source>
        <translation>Dokument geändert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>„%1“ wurde von einem anderen Programm geändert. Neu laden und die nicht gespeicherten Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Keep My Version</source>
        <translation>Meine Fassung behalten</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
</context>
<context>
    <name>CClearEdit</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>CCommentController</name>
    <message>
        <source>Change Comment Color</source>
        <translation>Kommentarfarbe ändern</translation>
    </message>
    <message>
        <source>Change Comment Opacity</source>
        <translation>Kommentardeckkraft ändern</translation>
    </message>
    <message>
        <source>Change Line Width</source>
        <translation>Linienstärke ändern</translation>
    </message>
    <message>
        <source>Change Font Size</source>
        <translation>Schriftgröße ändern</translation>
    </message>
    <message>
        <source>Cannot Add Comments</source>
        <translation>Kommentare nicht möglich</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow adding comments.</source>
        <translation>Die Berechtigungen des Dokuments erlauben keine Kommentare.</translation>
    </message>
</context>
<context>
    <name>CCommentOptions</name>
    <message>
        <source>Highlight</source>
        <translation>Hervorheben</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstreichen</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Durchstreichen</translation>
    </message>
    <message>
        <source>Squiggly</source>
        <translation>Wellenlinie</translation>
    </message>
    <message>
        <source>Sticky Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Text Box</source>
        <translation>Textfeld</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Radierer</translation>
    </message>
</context>
<context>
    <name>CCommentToolBar</name>
    <message>
        <source>Select Comments</source>
        <translation>Kommentare auswählen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Weitere Farben...</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Close Comment Tools</source>
        <translation>Kommentarwerkzeuge schließen</translation>
    </message>
</context>
<context>
    <name>CDocumentSaver</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Save</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cannot Change Protection</source>
        <translation>Schutz kann nicht geändert werden</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot; with the protected version?</source>
        <translation>„%1“ durch die geschützte Fassung ersetzen?</translation>
    </message>
    <message>
        <source>The file will need the password to open from now on.</source>
        <translation>Die Datei braucht von nun an das Kennwort zum Öffnen.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>Als neue Datei speichern</translation>
    </message>
    <message>
        <source>Remove the password from &quot;%1&quot;?</source>
        <translation>Das Kennwort von „%1“ entfernen?</translation>
    </message>
    <message>
        <source>Anyone will be able to open the file.</source>
        <translation>Jeder kann die Datei dann öffnen.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Saving will break the signatures of &quot;%1&quot;.</source>
        <translation>Beim Speichern werden die Signaturen von „%1“ ungültig.</translation>
    </message>
    <message>
        <source>Changed pages or protection rewrite the whole file, and the signatures in it will no longer be valid. Save as a new file to keep the signed original.</source>
        <translation>Geänderte Seiten oder ein geänderter Schutz schreiben die ganze Datei neu, und ihre Signaturen sind danach nicht mehr gültig. Speichern Sie als neue Datei, um das signierte Original zu behalten.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
</context>
<context>
    <name>CDocumentToolBar</name>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturansichten</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>Seiten organisieren</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>An Seite anpassen</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>An Breite anpassen</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>An Höhe anpassen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>Lesemodus aktivieren</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentieren</translation>
    </message>
    <message>
        <source>This document does not allow comments</source>
        <translation>Dieses Dokument erlaubt keine Kommentare</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Seitenzahl</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
</context>
<context>
    <name>CEditRecovery</name>
    <message>
        <source>Recover Changes</source>
        <translation>Änderungen wiederherstellen</translation>
    </message>
</context>
<context>
    <name>CEditSession</name>
    <message>
        <source>Restore Page Changes</source>
        <translation>Seitenänderungen wiederherstellen</translation>
    </message>
    <message>
        <source>Restore Recognized Text</source>
        <translation>Erkannten Text wiederherstellen</translation>
    </message>
    <message>
        <source>Restore Page Edits</source>
        <translation>Seitenbearbeitungen wiederherstellen</translation>
    </message>
</context>
<context>
    <name>CEncryptBox</name>
    <message>
        <source>Encrypt PDF</source>
        <translation>PDF verschlüsseln</translation>
    </message>
    <message>
        <source>Set a password that is needed to open &quot;%1&quot;.</source>
        <translation>Legen Sie ein Kennwort fest, das zum Öffnen von „%1“ nötig ist.</translation>
    </message>
    <message>
        <source>Open password:</source>
        <translation>Kennwort zum Öffnen:</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Kennwort bestätigen:</translation>
    </message>
    <message>
        <source>Restrict printing and editing with a permissions password</source>
        <translation>Drucken und Bearbeiten mit einem Berechtigungskennwort einschränken</translation>
    </message>
    <message>
        <source>Permissions password:</source>
        <translation>Berechtigungskennwort:</translation>
    </message>
    <message>
        <source>Allow printing</source>
        <translation>Drucken erlauben</translation>
    </message>
    <message>
        <source>Allow copying text and images</source>
        <translation>Kopieren von Text und Bildern erlauben</translation>
    </message>
    <message>
        <source>Allow editing</source>
        <translation>Bearbeiten erlauben</translation>
    </message>
    <message>
        <source>Allow commenting</source>
        <translation>Kommentieren erlauben</translation>
    </message>
    <message>
        <source>Allow filling in forms</source>
        <translation>Ausfüllen von Formularen erlauben</translation>
    </message>
    <message>
        <source>Allow inserting, deleting and rotating pages</source>
        <translation>Einfügen, Löschen und Drehen von Seiten erlauben</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Verschlüsselung:</translation>
    </message>
    <message>
        <source>AES-256 (recommended)</source>
        <translation>AES-256 (empfohlen)</translation>
    </message>
    <message>
        <source>AES-128 (for older readers)</source>
        <translation>AES-128 (für ältere Programme)</translation>
    </message>
    <message>
        <source>Remove Protection</source>
        <translation>Schutz entfernen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save as New File...</source>
        <translation>Als neue Datei speichern …</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Stärke: %1</translation>
    </message>
    <message>
        <source>Enter a password to open the document.</source>
        <translation>Geben Sie ein Kennwort zum Öffnen des Dokuments ein.</translation>
    </message>
    <message>
        <source>The passwords do not match. Type the open password again in both fields.</source>
        <translation>Die Kennwörter stimmen nicht überein. Geben Sie das Kennwort zum Öffnen in beiden Feldern erneut ein.</translation>
    </message>
    <message>
        <source>Enter a permissions password, or turn the restrictions off.</source>
        <translation>Geben Sie ein Berechtigungskennwort ein oder schalten Sie die Einschränkungen aus.</translation>
    </message>
    <message>
        <source>The permissions passwords do not match. Type it again in both fields.</source>
        <translation>Die Berechtigungskennwörter stimmen nicht überein. Geben Sie es in beiden Feldern erneut ein.</translation>
    </message>
    <message>
        <source>The permissions password must differ from the open password.</source>
        <translation>Das Berechtigungskennwort muss sich vom Kennwort zum Öffnen unterscheiden.</translation>
    </message>
</context>
<context>
    <name>CFileListView</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Anheften</translation>
    </message>
    <message>
        <source>Unpin</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Dateispeicherort öffnen</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Aus Liste entfernen</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>Die Datei wurde möglicherweise verschoben, beschädigt oder gelöscht.</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>Die Datei konnte nicht umbenannt werden. Sie wird möglicherweise verwendet, oder der Ordner lässt keine Änderungen zu.</translation>
    </message>
</context>
<context>
    <name>CFindBar</name>
    <message>
        <source>Find in document</source>
        <translation>Im Dokument suchen</translation>
    </message>
    <message>
        <source>Previous Match (Shift+F3)</source>
        <translation>Vorheriger Treffer (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Next Match (F3)</source>
        <translation>Nächster Treffer (F3)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Ganze Wörter</translation>
    </message>
    <message>
        <source>Show All Results</source>
        <translation>Alle Ergebnisse anzeigen</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>No text in this document</source>
        <translation>Dieses Dokument enthält keinen Text</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stop Searching</source>
        <translation>Suche anhalten</translation>
    </message>
    <message>
        <source>%1 of %2, %3 of %4 pages searched</source>
        <translation>%1 von %2, %3 von %4 Seiten durchsucht</translation>
    </message>
    <message>
        <source>%1 found, %2 of %3 pages searched</source>
        <translation>%1 gefunden, %2 von %3 Seiten durchsucht</translation>
    </message>
    <message>
        <source>%1 of %2, stopped after %3 of %4 pages</source>
        <translation>%1 von %2, angehalten nach %3 von %4 Seiten</translation>
    </message>
    <message>
        <source>%1 found, stopped after %2 of %3 pages</source>
        <translation>%1 gefunden, angehalten nach %2 von %3 Seiten</translation>
    </message>
</context>
<context>
    <name>CFormBar</name>
    <message>
        <source>Highlight Fields</source>
        <translation>Felder hervorheben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>This document contains form fields you can fill in.</source>
        <translation>Dieses Dokument enthält Formularfelder, die Sie ausfüllen können.</translation>
    </message>
    <message>
        <source>This document contains form fields, but its permissions do not allow filling them in.</source>
        <translation>Dieses Dokument enthält Formularfelder, aber seine Berechtigungen erlauben nicht, sie auszufüllen.</translation>
    </message>
    <message>
        <source>This form uses XFA, which is not supported. Its fields cannot be shown or filled in here.</source>
        <translation>Dieses Formular verwendet XFA, das nicht unterstützt wird. Seine Felder können hier weder angezeigt noch ausgefüllt werden.</translation>
    </message>
</context>
<context>
    <name>CFormLayer</name>
    <message>
        <source>Reset Form</source>
        <translation>Formular zurücksetzen</translation>
    </message>
    <message>
        <source>Fill In Form</source>
        <translation>Formular ausfüllen</translation>
    </message>
</context>
<context>
    <name>CGotoPageBox</name>
    <message>
        <source>Go to Page</source>
        <translation>Gehe zu Seite</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Seitenzahl</translation>
    </message>
</context>
<context>
    <name>CLinkActions</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open this link?</source>
        <translation>Diesen Link öffnen?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot;, which another program will open.</source>
        <translation>Das Dokument verweist auf „%1“, das ein anderes Programm öffnen wird.</translation>
    </message>
    <message>
        <source>Cannot Open the Linked File</source>
        <translation>Verknüpfte Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>„%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open this file?</source>
        <translation>Diese Datei öffnen?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot; (%2), which another program will open.</source>
        <translation>Das Dokument verweist auf „%1“ (%2), das ein anderes Programm öffnen wird.</translation>
    </message>
</context>
<context>
    <name>CLinkLayer</name>
    <message>
        <source>Go to page %1</source>
        <translation>Zu Seite %1</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>E-Mail an %1</translation>
    </message>
    <message>
        <source>Open %1 at page %2</source>
        <translation>%1 auf Seite %2 öffnen</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>Viewer command: %1</source>
        <translation>Befehl des Betrachters: %1</translation>
    </message>
    <message>
        <source>Runs the program %1; links that run programs are not followed</source>
        <translation>Startet das Programm %1; Links, die Programme starten, werden nicht verfolgt</translation>
    </message>
    <message>
        <source>Runs a script; links that run scripts are not followed</source>
        <translation>Führt ein Skript aus; Links, die Skripte ausführen, werden nicht verfolgt</translation>
    </message>
</context>
<context>
    <name>CLinkTargetBox</name>
    <message>
        <source>Link Target</source>
        <translation>Linkziel</translation>
    </message>
    <message>
        <source>Page of this document</source>
        <translation>Seite dieses Dokuments</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Seitenzahl</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Webadresse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CLoadingPage</name>
    <message>
        <source>Opening &quot;%1&quot;...</source>
        <translation>„%1“ wird geöffnet...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CMemberManager</name>
    <message>
        <source>Could not reach the account service. Please check your connection and try again.</source>
        <translation>Der Kontodienst ist nicht erreichbar. Bitte überprüfen Sie Ihre Verbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Signing in is already in progress.</source>
        <translation>Die Anmeldung läuft bereits.</translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address.</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please enter your password.</source>
        <translation>Bitte geben Sie Ihr Passwort ein.</translation>
    </message>
    <message>
        <source>The e-mail address or password is incorrect.</source>
        <translation>Die E-Mail-Adresse oder das Passwort ist falsch.</translation>
    </message>
    <message>
        <source>The account service sent an answer that could not be read. Please try again later.</source>
        <translation>Der Kontodienst hat eine unlesbare Antwort gesendet. Bitte versuchen Sie es später erneut.</translation>
    </message>
</context>
<context>
    <name>CNssStore</name>
    <message>
        <source>The certificate store in %1 could not be opened.</source>
        <translation>Der Zertifikatspeicher in %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The certificate store is locked. Give its password first.</source>
        <translation>Der Zertifikatspeicher ist gesperrt. Geben Sie zuerst sein Passwort ein.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is not a certificate file (PKCS#12).</source>
        <translation>Die Datei ist keine Zertifikatsdatei (PKCS#12).</translation>
    </message>
    <message>
        <source>The password does not open this certificate file.</source>
        <translation>Das Passwort öffnet diese Zertifikatsdatei nicht.</translation>
    </message>
    <message>
        <source>The certificate could not be added to the store in %1.</source>
        <translation>Das Zertifikat konnte nicht zum Speicher in %1 hinzugefügt werden.</translation>
    </message>
    <message>
        <source>The file holds no certificate with its private key, so it cannot sign.</source>
        <translation>Die Datei enthält kein Zertifikat mit seinem privaten Schlüssel und kann daher nicht signieren.</translation>
    </message>
    <message>
        <source>Digital signature</source>
        <translation>Digitale Signatur</translation>
    </message>
    <message>
        <source>Non-repudiation</source>
        <translation>Nichtabstreitbarkeit</translation>
    </message>
    <message>
        <source>Key encipherment</source>
        <translation>Schlüsselverschlüsselung</translation>
    </message>
    <message>
        <source>Data encipherment</source>
        <translation>Datenverschlüsselung</translation>
    </message>
    <message>
        <source>Key agreement</source>
        <translation>Schlüsselvereinbarung</translation>
    </message>
    <message>
        <source>Certificate signing</source>
        <translation>Zertifikatsignatur</translation>
    </message>
    <message>
        <source>CRL signing</source>
        <translation>CRL-Signatur</translation>
    </message>
    <message>
        <source>Encipher only</source>
        <translation>Nur Verschlüsselung</translation>
    </message>
</context>
<context>
    <name>COpenController</name>
    <message>
        <source>Failed to Open</source>
        <translation>Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>„%1“ wurde nicht gefunden. Die Datei wurde vielleicht verschoben, umbenannt oder gelöscht.</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>Sie haben keine Berechtigung, „%1“ zu lesen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>„%1“ ist beschädigt und kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>COrganizerBox</name>
    <message>
        <source>Rotate Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Seiten löschen</translation>
    </message>
    <message>
        <source>Duplicate Pages</source>
        <translation>Seiten duplizieren</translation>
    </message>
    <message>
        <source>Insert Blank Page</source>
        <translation>Leere Seite einfügen</translation>
    </message>
    <message>
        <source>Insert Pages from File</source>
        <translation>Seiten aus Datei einfügen</translation>
    </message>
    <message>
        <source>Extract Pages</source>
        <translation>Seiten extrahieren</translation>
    </message>
    <message>
        <source>Split Document</source>
        <translation>Dokument teilen</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Rückgängig (Strg+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>Wiederholen (Strg+Umschalt+Z)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Move Pages</source>
        <translation>Seiten verschieben</translation>
    </message>
    <message>
        <source>Pages: %1  Selected: %2</source>
        <translation>Seiten: %1  Ausgewählt: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cannot Delete Pages</source>
        <translation>Seiten können nicht gelöscht werden</translation>
    </message>
    <message>
        <source>A document needs at least one page. Keep one page or more.</source>
        <translation>Ein Dokument braucht mindestens eine Seite. Behalten Sie eine Seite oder mehr.</translation>
    </message>
    <message>
        <source>Cannot Insert Pages</source>
        <translation>Seiten können nicht eingefügt werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. It may be damaged or not a PDF file.</source>
        <translation>„%1“ konnte nicht gelesen werden. Die Datei ist möglicherweise beschädigt oder keine PDF-Datei.</translation>
    </message>
    <message>
        <source>Insert Pages</source>
        <translation>Seiten einfügen</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Extract Pages</source>
        <translation>Extrahieren der Seiten fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed to Split Document</source>
        <translation>Teilen des Dokuments fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>COrganizerView</name>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
</context>
<context>
    <name>CPageEditBar</name>
    <message>
        <source>Page Editing</source>
        <translation>Seitenbearbeitung</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Text hinzufügen</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Link hinzufügen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Weitere Farben...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Link Target...</source>
        <translation>Linkziel...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Leave page editing</source>
        <translation>Seitenbearbeitung beenden</translation>
    </message>
    <message>
        <source>Click where the text should start; Ctrl+Enter keeps it.</source>
        <translation>Klicken Sie dort, wo der Text beginnen soll; Strg+Eingabe übernimmt ihn.</translation>
    </message>
    <message>
        <source>Click where the picture should go.</source>
        <translation>Klicken Sie dort, wo das Bild hin soll.</translation>
    </message>
    <message>
        <source>Drag over the area that should become a link.</source>
        <translation>Ziehen Sie über den Bereich, der zum Link werden soll.</translation>
    </message>
    <message>
        <source>Drag pictures to move them, their corners to resize them.</source>
        <translation>Ziehen Sie Bilder, um sie zu verschieben, und ihre Ecken, um ihre Größe zu ändern.</translation>
    </message>
</context>
<context>
    <name>CPageEditController</name>
    <message>
        <source>Cannot Edit Pages</source>
        <translation>Seiten können nicht bearbeitet werden</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to edit them.</source>
        <translation>Die Berechtigungen des Dokuments erlauben keine Änderung seiner Seiten. Öffnen Sie es mit seinem Berechtigungskennwort, um sie zu bearbeiten.</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; first?</source>
        <translation>Änderungen an „%1“ zuerst speichern?</translation>
    </message>
    <message>
        <source>Page editing starts from the saved document.</source>
        <translation>Die Seitenbearbeitung beginnt beim gespeicherten Dokument.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the page edits to &quot;%1&quot;?</source>
        <translation>Seitenbearbeitungen in „%1“ speichern?</translation>
    </message>
    <message>
        <source>Pages show their edits until you leave page editing.</source>
        <translation>Seiten zeigen ihre Bearbeitungen, bis Sie die Seitenbearbeitung verlassen.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cannot Edit the Page</source>
        <translation>Seite kann nicht bearbeitet werden</translation>
    </message>
    <message>
        <source>The document has no page %1.</source>
        <translation>Das Dokument hat keine Seite %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address a link can lead to.</source>
        <translation>„%1“ ist keine Webadresse, zu der ein Link führen kann.</translation>
    </message>
    <message>
        <source>The change does not fit the page.</source>
        <translation>Die Änderung passt nicht zur Seite.</translation>
    </message>
    <message>
        <source>The text could not be added here.</source>
        <translation>Der Text konnte hier nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Text hinzufügen</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read.</source>
        <translation>Das Bild „%1“ konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Resize Picture</source>
        <translation>Bildgröße ändern</translation>
    </message>
    <message>
        <source>Move Picture</source>
        <translation>Bild verschieben</translation>
    </message>
    <message>
        <source>Resize Text</source>
        <translation>Textgröße ändern</translation>
    </message>
    <message>
        <source>Move Text</source>
        <translation>Text verschieben</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Link entfernen</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Bild löschen</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>Text löschen</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Link hinzufügen</translation>
    </message>
    <message>
        <source>Change Link</source>
        <translation>Link ändern</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The change could not be made (%1).</source>
        <translation>Die Änderung konnte nicht vorgenommen werden (%1).</translation>
    </message>
</context>
<context>
    <name>CPageEditLayer</name>
    <message>
        <source>Text to add</source>
        <translation>Hinzuzufügender Text</translation>
    </message>
    <message>
        <source>Leads nowhere</source>
        <translation>Führt nirgendwohin</translation>
    </message>
    <message>
        <source>Double-click to change where it leads</source>
        <translation>Doppelklicken, um das Ziel zu ändern</translation>
    </message>
</context>
<context>
    <name>CPageView</name>
    <message>
        <source>The document&apos;s permissions do not allow copying its text.</source>
        <translation>Die Berechtigungen des Dokuments erlauben das Kopieren seines Textes nicht.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>CPasswordBox</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected. Enter the password to open it.</source>
        <translation>„%1“ ist geschützt. Geben Sie das Passwort ein, um die Datei zu öffnen.</translation>
    </message>
    <message>
        <source>Incorrect password. Please try again.</source>
        <translation>Falsches Passwort. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>CPdfImage</name>
    <message>
        <source>The file is not a PNG or JPEG picture.</source>
        <translation>Die Datei ist kein PNG- oder JPEG-Bild.</translation>
    </message>
    <message>
        <source>The picture is too large or damaged.</source>
        <translation>Das Bild ist zu groß oder beschädigt.</translation>
    </message>
</context>
<context>
    <name>CPdfPrinter</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cannot Print</source>
        <translation>Drucken nicht möglich</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow printing it. Open it with its permissions password to print it.</source>
        <translation>Die Berechtigungen des Dokuments erlauben das Drucken nicht. Öffnen Sie es mit seinem Berechtigungskennwort, um es zu drucken.</translation>
    </message>
    <message>
        <source>Failed to Print</source>
        <translation>Drucken fehlgeschlagen</translation>
    </message>
    <message>
        <source>No printer and no file to print to were chosen.</source>
        <translation>Es wurde weder ein Drucker noch eine Datei zum Drucken gewählt.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Preparing the pages...</source>
        <translation>Seiten werden vorbereitet...</translation>
    </message>
    <message>
        <source>Sending to &quot;%1&quot;...</source>
        <translation>Wird an „%1“ gesendet...</translation>
    </message>
    <message>
        <source>Writing &quot;%1&quot;...</source>
        <translation>„%1“ wird geschrieben...</translation>
    </message>
</context>
<context>
    <name>CPresentationView</name>
    <message>
        <source>Presentation</source>
        <translation>Präsentation</translation>
    </message>
</context>
<context>
    <name>CPrintJob</name>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>Die Seiten „%1“ sind nicht im Dokument enthalten.</translation>
    </message>
    <message>
        <source>No temporary folder could be made for the print job (%1).</source>
        <translation>Für den Druckauftrag konnte kein temporärer Ordner angelegt werden (%1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: its folder or the file does not allow changes. Print to another file.</source>
        <translation>„%1“ kann nicht geschrieben werden: Der Ordner oder die Datei erlaubt keine Änderungen. Drucken Sie in eine andere Datei.</translation>
    </message>
    <message>
        <source>The printing service does not answer at %1.</source>
        <translation>Der Druckdienst antwortet nicht unter %1.</translation>
    </message>
    <message>
        <source>No printer is set up (%1).</source>
        <translation>Es ist kein Drucker eingerichtet (%1).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be found (%2).</source>
        <translation>Der Drucker „%1“ wurde nicht gefunden (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation>Der Drucker „%1“ hat den Auftrag nicht angenommen: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being printed. Print to another file.</source>
        <translation>„%1“ ist das Dokument, das gedruckt wird. Drucken Sie in eine andere Datei.</translation>
    </message>
</context>
<context>
    <name>CPropertiesBox</name>
    <message>
        <source>Document Properties</source>
        <translation>Dokumenteigenschaften</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Stichwörter</translation>
    </message>
    <message>
        <source>Creator</source>
        <translation>Ersteller</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Produzent</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>PDF Version</source>
        <translation>PDF-Version</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Seitengröße</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Password protected</source>
        <translation>Passwortgeschützt</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CRecognizeBar</name>
    <message>
        <source>Text recognition</source>
        <translation>Texterkennung</translation>
    </message>
    <message>
        <source>This page</source>
        <translation>Diese Seite</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>Alle Seiten</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Seiten:</translation>
    </message>
    <message>
        <source>Pages to recognize</source>
        <translation>Zu erkennende Seiten</translation>
    </message>
    <message>
        <source>e.g. 1-3, 5</source>
        <translation>z. B. 1-3, 5</translation>
    </message>
    <message>
        <source>Page numbers to recognize</source>
        <translation>Nummern der zu erkennenden Seiten</translation>
    </message>
    <message>
        <source>Languages of the text</source>
        <translation>Sprachen des Textes</translation>
    </message>
    <message>
        <source>The languages the pages are written in</source>
        <translation>Die Sprachen, in denen die Seiten geschrieben sind</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Text erkennen</translation>
    </message>
    <message>
        <source>Recognition progress</source>
        <translation>Fortschritt der Erkennung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel text recognition</source>
        <translation>Texterkennung abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the text recognition bar</source>
        <translation>Leiste der Texterkennung schließen</translation>
    </message>
    <message>
        <source>No language</source>
        <translation>Keine Sprache</translation>
    </message>
    <message>
        <source>Recognizing text, pages done: %1 of %2</source>
        <translation>Text wird erkannt, fertige Seiten: %1 von %2</translation>
    </message>
</context>
<context>
    <name>CRecognizeController</name>
    <message>
        <source>eng</source>
        <comment>The text recognition language of this translation, as its data file is named (ISO 639-2: deu, fra, chi_sim...)</comment>
        <translation>deu</translation>
    </message>
    <message>
        <source>No text recognition languages are installed.</source>
        <translation>Es sind keine Sprachen für die Texterkennung installiert.</translation>
    </message>
    <message>
        <source>This page is a scan without text. No text recognition languages are installed.</source>
        <translation>Diese Seite ist ein Scan ohne Text. Es sind keine Sprachen für die Texterkennung installiert.</translation>
    </message>
    <message>
        <source>This page is a scan without text.</source>
        <translation>Diese Seite ist ein Scan ohne Text.</translation>
    </message>
    <message>
        <source>This page has text already; only pages without text are recognized.</source>
        <translation>Diese Seite hat bereits Text; nur Seiten ohne Text werden erkannt.</translation>
    </message>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>Die Seiten „%1“ gibt es im Dokument nicht.</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Text erkennen</translation>
    </message>
    <message>
        <source>Done: the text can now be searched, selected and copied. Save to keep it.</source>
        <translation>Fertig: Der Text kann jetzt gesucht, markiert und kopiert werden. Speichern Sie, um ihn zu behalten.</translation>
    </message>
    <message>
        <source>Every page chosen has text already. Nothing was changed.</source>
        <translation>Alle gewählten Seiten haben bereits Text. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Text recognition was cancelled. Nothing was changed.</source>
        <translation>Die Texterkennung wurde abgebrochen. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Text recognition failed (%1). Nothing was changed.</source>
        <translation>Die Texterkennung ist fehlgeschlagen (%1). Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>CRenameBox</name>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file name cannot be empty.</source>
        <translation>Der Dateiname darf nicht leer sein.</translation>
    </message>
    <message>
        <source>A file name can&apos;t contain any of the following characters: \ / : * ? &quot; &lt; &gt; |</source>
        <translation>Ein Dateiname darf keines der folgenden Zeichen enthalten: \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>Dieser Name kann nicht als Dateiname verwendet werden.</translation>
    </message>
    <message>
        <source>A file with this name already exists.</source>
        <translation>Eine Datei mit diesem Namen ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Neuer Name</translation>
    </message>
</context>
<context>
    <name>CReviewDialog</name>
    <message>
        <source>Enjoying %1?</source>
        <translation>Gefällt Ihnen %1?</translation>
    </message>
    <message>
        <source>Rate Now</source>
        <translation>Jetzt bewerten</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Don&apos;t Ask Again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
</context>
<context>
    <name>CSavePipeline</name>
    <message>
        <source>&quot;%1&quot; was moved or deleted while it was open. Nothing was written.</source>
        <translation>„%1“ wurde verschoben oder gelöscht, während sie geöffnet war. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program while it was open. Nothing was written; open it again to make your changes.</source>
        <translation>„%1“ wurde von einem anderen Programm geändert, während sie geöffnet war. Es wurde nichts geschrieben; öffnen Sie sie erneut, um Ihre Änderungen vorzunehmen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read (%2). Nothing was written.</source>
        <translation>„%1“ konnte nicht gelesen werden (%2). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>This document was opened with its open password only. To change its protection, open it with its permissions password.</source>
        <translation>Dieses Dokument wurde nur mit dem Kennwort zum Öffnen geöffnet. Um seinen Schutz zu ändern, öffnen Sie es mit dem Berechtigungskennwort.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not allow changes. Choose another folder with Save As.</source>
        <translation>Der Ordner „%1“ lässt keine Änderungen zu. Wählen Sie mit „Speichern unter“ einen anderen Ordner.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only. Choose another file with Save As.</source>
        <translation>„%1“ ist schreibgeschützt. Wählen Sie mit „Speichern unter“ eine andere Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2). The file was left as it was.</source>
        <translation>„%1“ konnte nicht geschrieben werden (%2). Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>The changes could not be prepared for writing (%1). Nothing was written.</source>
        <translation>Die Änderungen konnten nicht zum Schreiben vorbereitet werden (%1). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved but could not be opened again (%2).</source>
        <translation>„%1“ wurde gespeichert, konnte aber nicht erneut geöffnet werden (%2).</translation>
    </message>
</context>
<context>
    <name>CSearchResultModel</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>CSessionKeeper</name>
    <message>
        <source>%1 did not close properly last time. Your documents have been reopened.</source>
        <translation>%1 wurde beim letzten Mal nicht ordnungsgemäß beendet. Ihre Dokumente wurden wieder geöffnet.</translation>
    </message>
    <message>
        <source>These documents could not be found and were not reopened:</source>
        <translation>Diese Dokumente wurden nicht gefunden und nicht wieder geöffnet:</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1?</source>
        <translation>Nicht gespeicherte Änderungen an %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>The changes were kept when the document was last open. If you discard them, they cannot be brought back.</source>
        <translation>Die Änderungen wurden aufbewahrt, als das Dokument zuletzt geöffnet war. Wenn Sie sie verwerfen, lassen sie sich nicht zurückholen.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Failed to Recover</source>
        <translation>Wiederherstellung fehlgeschlagen</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 no longer fit the file.</source>
        <translation>Die nicht gespeicherten Änderungen an %1 passen nicht mehr zur Datei.</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>Als neue Datei speichern</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 are kept</source>
        <translation>Nicht gespeicherte Änderungen an %1 bleiben erhalten</translation>
    </message>
    <message>
        <source>The document cannot be found at &quot;%1&quot; right now. Its changes are offered again once it is back there.</source>
        <translation>Das Dokument ist unter „%1“ gerade nicht zu finden. Seine Änderungen werden wieder angeboten, sobald es wieder dort ist.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>The last session had more windows and tabs than are reopened at once. Documents not reopened: %1</source>
        <translation>Die letzte Sitzung hatte mehr Fenster und Tabs, als auf einmal wieder geöffnet werden. Nicht wieder geöffnete Dokumente: %1</translation>
    </message>
</context>
<context>
    <name>CSidePanel</name>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturansichten</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Anmerkungen</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Anhänge</translation>
    </message>
    <message>
        <source>This document has no bookmarks.</source>
        <translation>Dieses Dokument enthält keine Lesezeichen.</translation>
    </message>
    <message>
        <source>This document has no attachments.</source>
        <translation>Dieses Dokument enthält keine Anhänge.</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>In a comment on page %1</source>
        <translation>In einem Kommentar auf Seite %1</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Signaturen</translation>
    </message>
</context>
<context>
    <name>CSignBox</name>
    <message>
        <source>Sign Document</source>
        <translation>Dokument signieren</translation>
    </message>
    <message>
        <source>Sign &quot;%1&quot; with a certificate of your certificate store. The signed document is saved as a new file; this one stays as it is.</source>
        <translation>„%1“ mit einem Zertifikat aus Ihrem Zertifikatspeicher signieren. Das signierte Dokument wird als neue Datei gespeichert; diese bleibt unverändert.</translation>
    </message>
    <message>
        <source>Certificate store password</source>
        <translation>Passwort des Zertifikatspeichers</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Certificate:</source>
        <translation>Zertifikat:</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Zertifikat</translation>
    </message>
    <message>
        <source>Your certificate store has no certificate to sign with. Import one from a PKCS#12 file (.p12, .pfx).</source>
        <translation>Ihr Zertifikatspeicher enthält kein Zertifikat zum Signieren. Importieren Sie eines aus einer PKCS#12-Datei (.p12, .pfx).</translation>
    </message>
    <message>
        <source>Import Certificate...</source>
        <translation>Zertifikat importieren...</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>For example: I approve this document</source>
        <translation>Zum Beispiel: Ich genehmige dieses Dokument</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Grund:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Optional: a PNG or JPEG shown in the signature</source>
        <translation>Optional: ein PNG- oder JPEG-Bild in der Signatur</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Ein Bild auswählen</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Sign and Save As...</source>
        <translation>Signieren und speichern unter...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Issued by %1, valid from %2 to %3</source>
        <translation>Ausgestellt von %1, gültig von %2 bis %3</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>Schlüsselverwendung: %1</translation>
    </message>
    <message>
        <source>This is not the password of your certificate store.</source>
        <translation>Das ist nicht das Passwort Ihres Zertifikatspeichers.</translation>
    </message>
    <message>
        <source>Import Certificate</source>
        <translation>Zertifikat importieren</translation>
    </message>
    <message>
        <source>Certificate Files (*.p12 *.pfx)</source>
        <translation>Zertifikatsdateien (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Password of the certificate file:</source>
        <translation>Passwort der Zertifikatsdatei:</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with, or import one.</source>
        <translation>Wählen Sie ein Zertifikat zum Signieren aus oder importieren Sie eines.</translation>
    </message>
    <message>
        <source>The picture must be a PNG or JPEG file.</source>
        <translation>Das Bild muss eine PNG- oder JPEG-Datei sein.</translation>
    </message>
</context>
<context>
    <name>CSignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CSignatureBar</name>
    <message>
        <source>Signatures</source>
        <translation>Signaturen</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>Dokument signieren</translation>
    </message>
    <message>
        <source>Signature Panel</source>
        <translation>Signaturbereich</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the signature bar</source>
        <translation>Signaturleiste schließen</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>einem unbekannten Unterzeichner</translation>
    </message>
    <message>
        <source>Signed by %1, every signature is valid.</source>
        <translation>Signiert von %1, alle Signaturen sind gültig.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is valid.</source>
        <translation>Signiert von %1, die Signatur ist gültig.</translation>
    </message>
    <message>
        <source>Signed by %1; the document was changed after %2 signed it.</source>
        <translation>Signiert von %1; das Dokument wurde geändert, nachdem %2 es signiert hat.</translation>
    </message>
    <message>
        <source>Signed by %1, the document was changed after signing.</source>
        <translation>Signiert von %1, das Dokument wurde nach dem Signieren geändert.</translation>
    </message>
    <message>
        <source>Signed by %1; the certificate of %2 is not trusted.</source>
        <translation>Signiert von %1; dem Zertifikat von %2 wird nicht vertraut.</translation>
    </message>
    <message>
        <source>Signed by %1, the certificate is not trusted.</source>
        <translation>Signiert von %1, dem Zertifikat wird nicht vertraut.</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 is not valid.</source>
        <translation>Signiert von %1; die Signatur von %2 ist ungültig.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is not valid.</source>
        <translation>Signiert von %1, die Signatur ist ungültig.</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 cannot be checked.</source>
        <translation>Signiert von %1; die Signatur von %2 kann nicht geprüft werden.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature cannot be checked.</source>
        <translation>Signiert von %1, die Signatur kann nicht geprüft werden.</translation>
    </message>
    <message>
        <source>This document has a signature field waiting to be signed.</source>
        <translation>Dieses Dokument hat ein Signaturfeld, das noch signiert werden muss.</translation>
    </message>
    <message>
        <source>The signatures cannot be checked: the file changed since it was opened.</source>
        <translation>Die Signaturen können nicht geprüft werden: Die Datei wurde seit dem Öffnen geändert.</translation>
    </message>
    <message>
        <source>Drag a box on a page for the signature, or click an empty signature field. Enter places it on the current page; Esc cancels.</source>
        <translation>Ziehen Sie auf einer Seite einen Rahmen für die Signatur auf oder klicken Sie auf ein leeres Signaturfeld. Eingabe setzt sie auf die aktuelle Seite; Esc bricht ab.</translation>
    </message>
</context>
<context>
    <name>CSignatureController</name>
    <message>
        <source>Failed to Sign</source>
        <translation>Signieren fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before signing?</source>
        <translation>Änderungen an „%1“ vor dem Signieren speichern?</translation>
    </message>
    <message>
        <source>A signature covers the document as it is saved.</source>
        <translation>Eine Signatur gilt für das Dokument, wie es gespeichert ist.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save Signed Document</source>
        <translation>Signiertes Dokument speichern</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Digitally signed by %1</source>
        <translation>Digital signiert von %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Ort: %1</translation>
    </message>
    <message>
        <source>%1 (as signed by %2).pdf</source>
        <translation>%1 (wie von %2 signiert).pdf</translation>
    </message>
    <message>
        <source>unknown signer</source>
        <translation>unbekannter Unterzeichner</translation>
    </message>
</context>
<context>
    <name>CSignaturePanel</name>
    <message>
        <source>Signatures</source>
        <translation>Signaturen</translation>
    </message>
    <message>
        <source>Open Signed Version</source>
        <translation>Signierte Fassung öffnen</translation>
    </message>
    <message>
        <source>Opens the document as it was when the selected signature was made, in a new tab.</source>
        <translation>Öffnet das Dokument in einem neuen Tab so, wie es beim Erstellen der gewählten Signatur war.</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>Dokument signieren</translation>
    </message>
    <message>
        <source>The signature is valid.</source>
        <translation>Die Signatur ist gültig.</translation>
    </message>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>Die Signatur kann nicht geprüft werden.</translation>
    </message>
    <message>
        <source>The signature is intact, but the certificate is not trusted.</source>
        <translation>Die Signatur ist unversehrt, aber dem Zertifikat wird nicht vertraut.</translation>
    </message>
    <message>
        <source>The document was changed after signing.</source>
        <translation>Das Dokument wurde nach dem Signieren geändert.</translation>
    </message>
    <message>
        <source>The signature is not valid.</source>
        <translation>Die Signatur ist ungültig.</translation>
    </message>
    <message>
        <source>Not signed yet.</source>
        <translation>Noch nicht signiert.</translation>
    </message>
    <message>
        <source>The certificate is trusted.</source>
        <translation>Dem Zertifikat wird vertraut.</translation>
    </message>
    <message>
        <source>Its issuer is marked as not trusted.</source>
        <translation>Sein Aussteller ist als nicht vertrauenswürdig markiert.</translation>
    </message>
    <message>
        <source>Its issuer is not among the trusted certificates of this computer.</source>
        <translation>Sein Aussteller gehört nicht zu den vertrauenswürdigen Zertifikaten dieses Computers.</translation>
    </message>
    <message>
        <source>The certificate was revoked by its issuer.</source>
        <translation>Das Zertifikat wurde von seinem Aussteller widerrufen.</translation>
    </message>
    <message>
        <source>The certificate was not valid at the time of signing.</source>
        <translation>Das Zertifikat war zum Zeitpunkt der Signatur nicht gültig.</translation>
    </message>
    <message>
        <source>The certificate could not be checked.</source>
        <translation>Das Zertifikat konnte nicht geprüft werden.</translation>
    </message>
    <message>
        <source>Checking the signatures...</source>
        <translation>Signaturen werden geprüft...</translation>
    </message>
    <message>
        <source>This document has no signatures.</source>
        <translation>Dieses Dokument hat keine Signaturen.</translation>
    </message>
    <message>
        <source>Unknown signer</source>
        <translation>Unbekannter Unterzeichner</translation>
    </message>
    <message>
        <source>Empty signature field %1</source>
        <translation>Leeres Signaturfeld %1</translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; on page %2</source>
        <translation>Feld „%1“ auf Seite %2</translation>
    </message>
    <message>
        <source>On page %1</source>
        <translation>Auf Seite %1</translation>
    </message>
    <message>
        <source>Signed on %1</source>
        <translation>Signiert am %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Ort: %1</translation>
    </message>
    <message>
        <source>Covers the whole document.</source>
        <translation>Gilt für das ganze Dokument.</translation>
    </message>
    <message>
        <source>Covers an earlier revision of the document (its first %1 bytes); later changes are not signed.</source>
        <translation>Gilt für eine frühere Fassung des Dokuments (die ersten %1 Bytes); spätere Änderungen sind nicht signiert.</translation>
    </message>
    <message>
        <source>Certificate issued by %1</source>
        <translation>Zertifikat ausgestellt von %1</translation>
    </message>
    <message>
        <source>The certificate is self-signed.</source>
        <translation>Das Zertifikat ist selbstsigniert.</translation>
    </message>
    <message>
        <source>Certificate valid from %1 to %2</source>
        <translation>Zertifikat gültig von %1 bis %2</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>Schlüsselverwendung: %1</translation>
    </message>
    <message>
        <source>Subject: %1</source>
        <translation>Inhaber: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Seriennummer: %1</translation>
    </message>
</context>
<context>
    <name>CSignatures</name>
    <message>
        <source>The signed document must be saved as a new file; the original stays as it is.</source>
        <translation>Das signierte Dokument muss als neue Datei gespeichert werden; das Original bleibt unverändert.</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with.</source>
        <translation>Wählen Sie ein Zertifikat zum Signieren aus.</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>Das Dokument konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The folder of the new file does not allow writing.</source>
        <translation>Der Ordner der neuen Datei erlaubt kein Schreiben.</translation>
    </message>
    <message>
        <source>The document could not be signed: there is no room for a temporary file.</source>
        <translation>Das Dokument konnte nicht signiert werden: Für eine temporäre Datei ist kein Platz.</translation>
    </message>
    <message>
        <source>The document has no signature field of this name.</source>
        <translation>Das Dokument hat kein Signaturfeld mit diesem Namen.</translation>
    </message>
    <message>
        <source>This signature field is signed already.</source>
        <translation>Dieses Signaturfeld ist bereits signiert.</translation>
    </message>
    <message>
        <source>Draw the place of the signature on a page first.</source>
        <translation>Zeichnen Sie zuerst die Stelle der Signatur auf einer Seite.</translation>
    </message>
    <message>
        <source>The document could not be signed with this certificate. Its key may be missing from the store, or the store may be locked.</source>
        <translation>Das Dokument konnte mit diesem Zertifikat nicht signiert werden. Möglicherweise fehlt sein Schlüssel im Speicher oder der Speicher ist gesperrt.</translation>
    </message>
    <message>
        <source>The signed document could not be written to %1.</source>
        <translation>Das signierte Dokument konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>The signed version is no longer in the file.</source>
        <translation>Die signierte Fassung ist nicht mehr in der Datei.</translation>
    </message>
    <message>
        <source>The signed version could not be written to %1.</source>
        <translation>Die signierte Fassung konnte nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>CSplitBox</name>
    <message>
        <source>Split Document</source>
        <translation>Dokument teilen</translation>
    </message>
    <message>
        <source>Pages per file:</source>
        <translation>Seiten pro Datei:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>The %1 pages become %2 files.</source>
        <translation>Die %1 Seiten werden zu %2 Dateien.</translation>
    </message>
</context>
<context>
    <name>CTabBar</name>
    <message>
        <source>Close Tab</source>
        <translation>Tab schließen</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
</context>
<context>
    <name>CTabListWidget</name>
    <message>
        <source>Open Tabs</source>
        <translation>Geöffnete Tabs</translation>
    </message>
</context>
<context>
    <name>CTextOverlay</name>
    <message>
        <source>The text is too long: at most %1 characters can be added at once.</source>
        <translation>Der Text ist zu lang: Höchstens %1 Zeichen können auf einmal hinzugefügt werden.</translation>
    </message>
    <message>
        <source>The text must start on the page.</source>
        <translation>Der Text muss auf der Seite beginnen.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed.</source>
        <translation>Die Schriftart „%1“ ist nicht installiert.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no character for &quot;%2&quot;. Choose a font that has it.</source>
        <translation>Die Schriftart „%1“ hat kein Zeichen für „%2“. Wählen Sie eine Schriftart, die es enthält.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be embedded in a document. Choose another font.</source>
        <translation>Die Schriftart „%1“ kann nicht in ein Dokument eingebettet werden. Wählen Sie eine andere Schriftart.</translation>
    </message>
</context>
<context>
    <name>CTextRecognizer</name>
    <message>
        <source>no text recognition languages are installed</source>
        <translation>es sind keine Sprachen für die Texterkennung installiert</translation>
    </message>
    <message>
        <source>no language data for &quot;%1&quot; is installed</source>
        <translation>für „%1“ sind keine Sprachdaten installiert</translation>
    </message>
    <message>
        <source>no language chosen</source>
        <translation>keine Sprache gewählt</translation>
    </message>
    <message>
        <source>the language data could not be read</source>
        <translation>die Sprachdaten konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>no picture to read</source>
        <translation>kein Bild zum Lesen</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Speicher</translation>
    </message>
    <message>
        <source>the picture could not be read</source>
        <translation>das Bild konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>the text could not be written</source>
        <translation>der Text konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>You are using version %1.</source>
        <translation>Sie verwenden Version %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Suche nach Updates...</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>A new version %1 is available.</source>
        <translation>Eine neue Version %1 ist verfügbar.</translation>
    </message>
    <message>
        <source>Could not reach the update service. Please check your connection and try again.</source>
        <translation>Der Update-Dienst ist nicht erreichbar. Bitte überprüfen Sie Ihre Verbindung und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>CWindowTitleBar</name>
    <message>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>DisplayOption</name>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Default Page View</source>
        <translation>Standard-Seitenansicht</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>An Seite anpassen</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>An Breite anpassen</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>An Höhe anpassen</translation>
    </message>
    <message>
        <source>Default Page Layout</source>
        <translation>Standard-Seitenlayout</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>Einzelseite</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>Einzelseite fortlaufend</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>Doppelseite</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>Doppelseite fortlaufend</translation>
    </message>
    <message>
        <source>Default Cursor</source>
        <translation>Standardcursor</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
</context>
<context>
    <name>DocumentMenu</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open Recents</source>
        <translation>Zuletzt verwendete öffnen</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>PDF erstellen</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Tab schließen</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Close All Windows</source>
        <translation>Alle Fenster schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Dateispeicherort öffnen</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Document Properties</source>
        <translation>Dokumenteigenschaften</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>Einzelseite</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>Einzelseite fortlaufend</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>Doppelseite</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>Doppelseite fortlaufend</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturansichten</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Anmerkungen</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Anhänge</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
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
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>An Seite anpassen</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>An Breite anpassen</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>An Höhe anpassen</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>Lesemodus aktivieren</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Go to Page</source>
        <translation>Gehe zu Seite</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Move Window to Left Side of Screen</source>
        <translation>Fenster an linken Bildschirmrand bewegen</translation>
    </message>
    <message>
        <source>Move Window to Right Side of Screen</source>
        <translation>Fenster an rechten Bildschirmrand bewegen</translation>
    </message>
    <message>
        <source>Replace Tiled Window</source>
        <translation>Gekacheltes Fenster ersetzen</translation>
    </message>
    <message>
        <source>Show Next Tab</source>
        <translation>Nächsten Tab anzeigen</translation>
    </message>
    <message>
        <source>Show Previous Tab</source>
        <translation>Vorherigen Tab anzeigen</translation>
    </message>
    <message>
        <source>Move Tab to New Window</source>
        <translation>Tab in neues Fenster verschieben</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Alle nach vorne bringen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Open in New Window</source>
        <translation>In neuem Fenster öffnen</translation>
    </message>
    <message>
        <source>Close Other Tabs</source>
        <translation>Andere Tabs schließen</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Alle Tabs schließen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>Wie System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Create Desktop Shortcut</source>
        <translation>Desktopverknüpfung erstellen</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Als Standard festlegen</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Support Center</source>
        <translation>Support-Center</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>Schützen</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>Seiten organisieren</translation>
    </message>
    <message>
        <source>Page Colours</source>
        <translation>Seitenfarben</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
    <message>
        <source>Dark Pages with the Dark Appearance</source>
        <translation>Dunkle Seiten beim dunklen Erscheinungsbild</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentieren</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Präsentation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Leave Read Mode</source>
        <translation>Lesemodus beenden</translation>
    </message>
    <message>
        <source>Sign Document...</source>
        <translation>Dokument signieren...</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Signaturen</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Text erkennen</translation>
    </message>
    <message>
        <source>Edit Page Content</source>
        <translation>Seiteninhalt bearbeiten</translation>
    </message>
</context>
<context>
    <name>GeneralOption</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Set %1 as default PDF reader</source>
        <translation>%1 als Standard-PDF-Reader festlegen</translation>
    </message>
    <message>
        <source>Quit program when all windows are closed</source>
        <translation>Programm beenden, wenn alle Fenster geschlossen sind</translation>
    </message>
    <message>
        <source>Restore last view settings when reopening documents</source>
        <translation>Letzte Ansichtseinstellungen beim erneuten Öffnen von Dokumenten wiederherstellen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Display Language</source>
        <translation>Anzeigesprache</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>Wie System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Reopen documents from last time</source>
        <translation>Dokumente vom letzten Mal wieder öffnen</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Open PDF</source>
        <translation>PDF öffnen</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>PDF erstellen</translation>
    </message>
    <message>
        <source>Popular Tools</source>
        <translation>Beliebte Werkzeuge</translation>
    </message>
    <message>
        <source>Edit PDF</source>
        <translation>PDF bearbeiten</translation>
    </message>
    <message>
        <source>Print PDF</source>
        <translation>PDF drucken</translation>
    </message>
    <message>
        <source>Organize PDFs</source>
        <translation>PDFs organisieren</translation>
    </message>
    <message>
        <source>Encrypt PDF</source>
        <translation>PDF verschlüsseln</translation>
    </message>
    <message>
        <source>Edit text, images and links in your PDF effortlessly</source>
        <translation>Text, Bilder und Links in Ihrem PDF mühelos bearbeiten</translation>
    </message>
    <message>
        <source>Create a Blank Page PDF in a second</source>
        <translation>In Sekunden ein PDF mit leerer Seite erstellen</translation>
    </message>
    <message>
        <source>Print your PDF document quickly and easily</source>
        <translation>Ihr PDF-Dokument schnell und einfach drucken</translation>
    </message>
    <message>
        <source>Simply sort, add, delete PDF pages and etc.</source>
        <translation>PDF-Seiten einfach sortieren, hinzufügen, löschen und mehr</translation>
    </message>
    <message>
        <source>Password protect your PDF from unauthorized access</source>
        <translation>Ihr PDF mit einem Passwort vor unbefugtem Zugriff schützen</translation>
    </message>
    <message>
        <source>You&apos;ve gone Incognito</source>
        <translation>Sie sind jetzt im Inkognito-Modus</translation>
    </message>
    <message>
        <source>The history of the files you have viewed will not be saved.</source>
        <translation>Der Verlauf der angezeigten Dateien wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Add text, pictures and links to pages; move, resize or delete pictures; change where links lead. Text that is already on a page cannot be changed.</source>
        <translation>Text, Bilder und Links zu Seiten hinzufügen; Bilder verschieben, in der Größe ändern oder löschen; Linkziele ändern. Text, der bereits auf einer Seite steht, kann nicht geändert werden.</translation>
    </message>
</context>
<context>
    <name>LogGuidBox</name>
    <message>
        <source>Log In Your Marvik Account</source>
        <translation>Bei Ihrem Marvik-Konto anmelden</translation>
    </message>
    <message>
        <source>Work across desktop &amp; mobile</source>
        <translation>Auf Desktop und Mobilgerät arbeiten</translation>
    </message>
    <message>
        <source>Support multiple languages</source>
        <translation>Unterstützung mehrerer Sprachen</translation>
    </message>
    <message>
        <source>Free customer support</source>
        <translation>Kostenloser Kundensupport</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Anmelden</translation>
    </message>
</context>
<context>
    <name>MKMainWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>System: %1</source>
        <translation>System: %1</translation>
    </message>
    <message>
        <source>%1 %2 feedback</source>
        <translation>Feedback zu %1 %2</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Angemeldet als %1</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>MKMessageBox</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MainBox</name>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>Die Datei konnte nicht umbenannt werden. Sie wird möglicherweise verwendet, oder der Ordner lässt keine Änderungen zu.</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>The attachment could not be read from the document.</source>
        <translation>Der Anhang konnte nicht aus dem Dokument gelesen werden.</translation>
    </message>
    <message>
        <source>The attachment could not be saved.</source>
        <translation>Der Anhang konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Do you want to save changes to &quot;%1&quot; before closing?</source>
        <translation>Möchten Sie die Änderungen an „%1“ vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cannot Organize Pages</source>
        <translation>Seiten können nicht organisiert werden</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to organize it.</source>
        <translation>Die Berechtigungen des Dokuments erlauben keine Änderung der Seiten. Öffnen Sie es mit dem Berechtigungskennwort, um es zu organisieren.</translation>
    </message>
    <message>
        <source>Save the page changes to &quot;%1&quot;?</source>
        <translation>Die Seitenänderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>The reading view shows the pages once they are saved.</source>
        <translation>Die Leseansicht zeigt die Seiten, sobald sie gespeichert sind.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>Die Datei wurde möglicherweise verschoben, beschädigt oder gelöscht.</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Startup Page</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>PDF öffnen</translation>
    </message>
    <message>
        <source>Open Tabs</source>
        <translation>Geöffnete Tabs</translation>
    </message>
    <message>
        <source>Shortcut already exists.</source>
        <translation>Die Verknüpfung ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>Shortcut successfully created!</source>
        <translation>Verknüpfung erfolgreich erstellt!</translation>
    </message>
    <message>
        <source>Failed to create shortcuts.</source>
        <translation>Verknüpfungen konnten nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Do you want to close all tabs or the current tab?</source>
        <translation>Möchten Sie alle Tabs oder nur den aktuellen Tab schließen?</translation>
    </message>
    <message>
        <source>Always close all tabs</source>
        <translation>Immer alle Tabs schließen</translation>
    </message>
    <message>
        <source>Close Current Tab</source>
        <translation>Aktuellen Tab schließen</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Alle Tabs schließen</translation>
    </message>
    <message>
        <source>Do you want to set %1 as your default PDF viewer?</source>
        <translation>Möchten Sie %1 als Standard-PDF-Viewer festlegen?</translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Failed to Create PDF</source>
        <translation>PDF konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>The new document could not be written to &quot;%1&quot;. Check that the folder exists and that you may write there.</source>
        <translation>Das neue Dokument konnte nicht in „%1“ geschrieben werden. Überprüfen Sie, ob der Ordner existiert und Sie dort Schreibrechte haben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an address on the network, not a file on this computer. Save the document, then open the saved file.</source>
        <translation>„%1“ ist eine Adresse im Netz, keine Datei auf diesem Computer. Speichern Sie das Dokument und öffnen Sie dann die gespeicherte Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>„%1“ wurde nicht gefunden. Die Datei wurde vielleicht verschoben, umbenannt oder gelöscht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a PDF document.</source>
        <translation>„%1“ ist ein Ordner, kein PDF-Dokument.</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>Sie haben keine Berechtigung, „%1“ zu lesen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document, or it is too damaged to be recognised as one.</source>
        <translation>„%1“ ist kein PDF-Dokument oder zu stark beschädigt, um als solches erkannt zu werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document but a file of another kind (%2).</source>
        <translation>„%1“ ist kein PDF-Dokument, sondern eine Datei anderer Art (%2).</translation>
    </message>
</context>
<context>
    <name>PrivacyOption</name>
    <message>
        <source>Privacy</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>Anonyme Nutzungsstatistiken senden</translation>
    </message>
    <message>
        <source>Send crash reports</source>
        <translation>Absturzberichte senden</translation>
    </message>
    <message>
        <source>Usage statistics count how often %1 starts and which features are used; a crash report holds what the program was doing when it crashed and the end of its log. Neither holds the names or content of your documents, and nothing is sent unless you tick it here.</source>
        <translation>Nutzungsstatistiken zählen, wie oft %1 startet und welche Funktionen verwendet werden; ein Absturzbericht enthält, was das Programm beim Absturz tat, und das Ende seines Protokolls. Keines von beiden enthält Namen oder Inhalt Ihrer Dokumente, und nichts wird gesendet, solange Sie es hier nicht ankreuzen.</translation>
    </message>
</context>
<context>
    <name>QWKDialogBar</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>RecentPage</name>
    <message>
        <source>Recents</source>
        <translation>Zuletzt verwendet</translation>
    </message>
    <message>
        <source>Incognito Mode</source>
        <translation>Inkognito-Modus</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Listenansicht</translation>
    </message>
    <message>
        <source>Grid View</source>
        <translation>Rasteransicht</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Files you have recently viewed or worked with will be listed here</source>
        <translation>Hier werden Dateien aufgelistet, die Sie kürzlich angezeigt oder bearbeitet haben</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>PDF öffnen</translation>
    </message>
    <message>
        <source>Are you sure to clear all the records?</source>
        <translation>Möchten Sie wirklich den gesamten Verlauf löschen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Zuletzt verwendete Dateien</translation>
    </message>
</context>
<context>
    <name>ReportConsent</name>
    <message>
        <source>Help Improve %1</source>
        <translation>%1 verbessern helfen</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics and crash reports?</source>
        <translation>Anonyme Nutzungsstatistiken und Absturzberichte senden?</translation>
    </message>
    <message>
        <source>They tell how often %1 starts and what made it crash, never which documents you open or anything about you. You can change this at any time in Preferences.</source>
        <translation>Sie zeigen, wie oft %1 startet und was einen Absturz verursacht hat, aber nie, welche Dokumente Sie öffnen, und nichts über Sie. Sie können dies jederzeit in den Einstellungen ändern.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>SettingOption</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Blank PDF</source>
        <translation>Leeres PDF</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Datenschutz</translation>
    </message>
</context>
</TS>
