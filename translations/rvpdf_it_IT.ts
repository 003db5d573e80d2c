<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AssocGuidBox</name>
    <message>
        <source>Two Steps to Set %1 as the Default PDF Viewer</source>
        <translation>Due passaggi per impostare %1 come visualizzatore PDF predefinito</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Passaggio 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Passaggio 2</translation>
    </message>
    <message>
        <source>Click %1 below, then click %2 in the pop-up.</source>
        <translation>Fai clic su %1 qui sotto, quindi su %2 nella finestra che si apre.</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Imposta come predefinito</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Select %1 from the list, then click %2 to apply changes.</source>
        <translation>Seleziona %1 dall&apos;elenco, quindi fai clic su %2 per applicare le modifiche.</translation>
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
        <translation>PDF vuoto</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Formato pagina</translation>
    </message>
    <message>
        <source>Fixed Size</source>
        <translation>Dimensione fissa</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientamento</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Lock aspect ratio</source>
        <translation>Blocca proporzioni</translation>
    </message>
    <message>
        <source>Unlock aspect ration</source>
        <translation>Sblocca proporzioni</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Mantieni proporzioni</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>%1 is a tabbed PDF reader for the desktop.</source>
        <translation>%1 è un lettore PDF a schede per desktop.</translation>
    </message>
    <message>
        <source>This application uses open-source libraries, each under its own license.</source>
        <translation>Questa applicazione utilizza librerie open source, ciascuna con la propria licenza.</translation>
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
        <translation>Aggiungi %1</translation>
    </message>
    <message>
        <source>Delete Comment</source>
        <translation>Elimina commento</translation>
    </message>
    <message>
        <source>Edit Comment Text</source>
        <translation>Modifica testo del commento</translation>
    </message>
    <message>
        <source>Erase Comments</source>
        <translation>Cancella commenti</translation>
    </message>
    <message>
        <source>Move Comment</source>
        <translation>Sposta commento</translation>
    </message>
    <message>
        <source>Resize Comment</source>
        <translation>Ridimensiona commento</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Change Comment Color</source>
        <translation>Cambia colore del commento</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>CAnnotationPanel</name>
    <message>
        <source>Page %1 (%2)</source>
        <translation>Pagina %1 (%2)</translation>
    </message>
    <message>
        <source>This document has no annotations.</source>
        <translation>Questo documento non contiene annotazioni.</translation>
    </message>
</context>
<context>
    <name>CChangeWatcher</name>
    <message>
        <source>Document Changed</source>
        <translation>Documento modificato</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>«%1» è stato modificato da un altro programma. Ricaricarlo e perdere le modifiche non salvate?</translation>
    </message>
    <message>
        <source>Keep My Version</source>
        <translation>Mantieni la mia versione</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ricarica</translation>
    </message>
</context>
<context>
    <name>CClearEdit</name>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
</context>
<context>
    <name>CCommentController</name>
    <message>
        <source>Change Comment Color</source>
        <translation>Cambia colore del commento</translation>
    </message>
    <message>
        <source>Change Comment Opacity</source>
        <translation>Cambia opacità del commento</translation>
    </message>
    <message>
        <source>Change Line Width</source>
        <translation>Cambia spessore della linea</translation>
    </message>
    <message>
        <source>Change Font Size</source>
        <translation>Cambia dimensione carattere</translation>
    </message>
    <message>
        <source>Cannot Add Comments</source>
        <translation>Impossibile aggiungere commenti</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow adding comments.</source>
        <translation>Le autorizzazioni del documento non consentono di aggiungere commenti.</translation>
    </message>
</context>
<context>
    <name>CCommentOptions</name>
    <message>
        <source>Highlight</source>
        <translation>Evidenzia</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sottolinea</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Barra</translation>
    </message>
    <message>
        <source>Squiggly</source>
        <translation>Sottolineatura ondulata</translation>
    </message>
    <message>
        <source>Sticky Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Text Box</source>
        <translation>Casella di testo</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Penna</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellisse</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linea</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomma</translation>
    </message>
</context>
<context>
    <name>CCommentToolBar</name>
    <message>
        <source>Select Comments</source>
        <translation>Seleziona commenti</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Altri colori...</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Spessore della linea</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Dimensione carattere</translation>
    </message>
    <message>
        <source>Close Comment Tools</source>
        <translation>Chiudi strumenti di commento</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Save</source>
        <translation>Impossibile salvare</translation>
    </message>
    <message>
        <source>Cannot Change Protection</source>
        <translation>Impossibile modificare la protezione</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot; with the protected version?</source>
        <translation>Sostituire &quot;%1&quot; con la versione protetta?</translation>
    </message>
    <message>
        <source>The file will need the password to open from now on.</source>
        <translation>D’ora in poi il file richiederà la password per essere aperto.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>Salva come nuovo file</translation>
    </message>
    <message>
        <source>Remove the password from &quot;%1&quot;?</source>
        <translation>Rimuovere la password da &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Anyone will be able to open the file.</source>
        <translation>Chiunque potrà aprire il file.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Saving will break the signatures of &quot;%1&quot;.</source>
        <translation>Il salvataggio renderà non valide le firme di &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Changed pages or protection rewrite the whole file, and the signatures in it will no longer be valid. Save as a new file to keep the signed original.</source>
        <translation>Pagine o protezione modificate riscrivono l&apos;intero file e le sue firme non saranno più valide. Salva come nuovo file per conservare l&apos;originale firmato.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Salva comunque</translation>
    </message>
</context>
<context>
    <name>CDocumentToolBar</name>
    <message>
        <source>Thumbnails</source>
        <translation>Miniature</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Trova (Ctrl+F)</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>Organizza pagine</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Dimensioni effettive</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Adatta alla pagina</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Adatta alla larghezza</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Adatta all&apos;altezza</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>Attiva modalità lettura</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commenta</translation>
    </message>
    <message>
        <source>This document does not allow comments</source>
        <translation>Questo documento non consente commenti</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Numero di pagina</translation>
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
        <translation>Recupera modifiche</translation>
    </message>
</context>
<context>
    <name>CEditSession</name>
    <message>
        <source>Restore Page Changes</source>
        <translation>Ripristina modifiche alle pagine</translation>
    </message>
    <message>
        <source>Restore Recognized Text</source>
        <translation>Ripristina testo riconosciuto</translation>
    </message>
    <message>
        <source>Restore Page Edits</source>
        <translation>Ripristina modifiche alle pagine</translation>
    </message>
</context>
<context>
    <name>CEncryptBox</name>
    <message>
        <source>Encrypt PDF</source>
        <translation>Crittografa PDF</translation>
    </message>
    <message>
        <source>Set a password that is needed to open &quot;%1&quot;.</source>
        <translation>Imposta una password necessaria per aprire &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Open password:</source>
        <translation>Password di apertura:</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Conferma password:</translation>
    </message>
    <message>
        <source>Restrict printing and editing with a permissions password</source>
        <translation>Limita stampa e modifica con una password delle autorizzazioni</translation>
    </message>
    <message>
        <source>Permissions password:</source>
        <translation>Password delle autorizzazioni:</translation>
    </message>
    <message>
        <source>Allow printing</source>
        <translation>Consenti la stampa</translation>
    </message>
    <message>
        <source>Allow copying text and images</source>
        <translation>Consenti la copia di testo e immagini</translation>
    </message>
    <message>
        <source>Allow editing</source>
        <translation>Consenti la modifica</translation>
    </message>
    <message>
        <source>Allow commenting</source>
        <translation>Consenti i commenti</translation>
    </message>
    <message>
        <source>Allow filling in forms</source>
        <translation>Consenti la compilazione dei moduli</translation>
    </message>
    <message>
        <source>Allow inserting, deleting and rotating pages</source>
        <translation>Consenti l’inserimento, l’eliminazione e la rotazione delle pagine</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Crittografia:</translation>
    </message>
    <message>
        <source>AES-256 (recommended)</source>
        <translation>AES-256 (consigliato)</translation>
    </message>
    <message>
        <source>AES-128 (for older readers)</source>
        <translation>AES-128 (per lettori meno recenti)</translation>
    </message>
    <message>
        <source>Remove Protection</source>
        <translation>Rimuovi protezione</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save as New File...</source>
        <translation>Salva come nuovo file...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Debole</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Robustezza: %1</translation>
    </message>
    <message>
        <source>Enter a password to open the document.</source>
        <translation>Inserisci una password per aprire il documento.</translation>
    </message>
    <message>
        <source>The passwords do not match. Type the open password again in both fields.</source>
        <translation>Le password non coincidono. Digita di nuovo la password di apertura in entrambi i campi.</translation>
    </message>
    <message>
        <source>Enter a permissions password, or turn the restrictions off.</source>
        <translation>Inserisci una password delle autorizzazioni o disattiva le restrizioni.</translation>
    </message>
    <message>
        <source>The permissions passwords do not match. Type it again in both fields.</source>
        <translation>Le password delle autorizzazioni non coincidono. Digitala di nuovo in entrambi i campi.</translation>
    </message>
    <message>
        <source>The permissions password must differ from the open password.</source>
        <translation>La password delle autorizzazioni deve essere diversa dalla password di apertura.</translation>
    </message>
</context>
<context>
    <name>CFileListView</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Fissa</translation>
    </message>
    <message>
        <source>Unpin</source>
        <translation>Rimuovi fissaggio</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Apri percorso file</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Rimuovi dall&apos;elenco</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Impossibile aprire</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>Il file potrebbe essere stato spostato, danneggiato o eliminato.</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>Impossibile rinominare</translation>
    </message>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>Impossibile rinominare il file. Potrebbe essere in uso oppure la cartella potrebbe non consentire modifiche.</translation>
    </message>
</context>
<context>
    <name>CFindBar</name>
    <message>
        <source>Find in document</source>
        <translation>Trova nel documento</translation>
    </message>
    <message>
        <source>Previous Match (Shift+F3)</source>
        <translation>Corrispondenza precedente (Maiusc+F3)</translation>
    </message>
    <message>
        <source>Next Match (F3)</source>
        <translation>Corrispondenza successiva (F3)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Maiuscole/minuscole</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Parole intere</translation>
    </message>
    <message>
        <source>Show All Results</source>
        <translation>Mostra tutti i risultati</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Chiudi (Esc)</translation>
    </message>
    <message>
        <source>No text in this document</source>
        <translation>Questo documento non contiene testo</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>Nessun risultato</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Stop Searching</source>
        <translation>Interrompi la ricerca</translation>
    </message>
    <message>
        <source>%1 of %2, %3 of %4 pages searched</source>
        <translation>%1 di %2, %3 di %4 pagine cercate</translation>
    </message>
    <message>
        <source>%1 found, %2 of %3 pages searched</source>
        <translation>%1 trovati, %2 di %3 pagine cercate</translation>
    </message>
    <message>
        <source>%1 of %2, stopped after %3 of %4 pages</source>
        <translation>%1 di %2, interrotta dopo %3 di %4 pagine</translation>
    </message>
    <message>
        <source>%1 found, stopped after %2 of %3 pages</source>
        <translation>%1 trovati, interrotta dopo %2 di %3 pagine</translation>
    </message>
</context>
<context>
    <name>CFormBar</name>
    <message>
        <source>Highlight Fields</source>
        <translation>Evidenzia campi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>This document contains form fields you can fill in.</source>
        <translation>Questo documento contiene campi modulo che è possibile compilare.</translation>
    </message>
    <message>
        <source>This document contains form fields, but its permissions do not allow filling them in.</source>
        <translation>Questo documento contiene campi modulo, ma le sue autorizzazioni non consentono di compilarli.</translation>
    </message>
    <message>
        <source>This form uses XFA, which is not supported. Its fields cannot be shown or filled in here.</source>
        <translation>Questo modulo usa XFA, che non è supportato. I suoi campi non possono essere mostrati né compilati qui.</translation>
    </message>
</context>
<context>
    <name>CFormLayer</name>
    <message>
        <source>Reset Form</source>
        <translation>Reimposta modulo</translation>
    </message>
    <message>
        <source>Fill In Form</source>
        <translation>Compila modulo</translation>
    </message>
</context>
<context>
    <name>CGotoPageBox</name>
    <message>
        <source>Go to Page</source>
        <translation>Vai alla pagina</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>di %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Vai</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Numero di pagina</translation>
    </message>
</context>
<context>
    <name>CLinkActions</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Open this link?</source>
        <translation>Aprire questo collegamento?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot;, which another program will open.</source>
        <translation>Il documento rimanda a «%1», che verrà aperto da un altro programma.</translation>
    </message>
    <message>
        <source>Cannot Open the Linked File</source>
        <translation>Impossibile aprire il file collegato</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>«%1» non è stato trovato.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open this file?</source>
        <translation>Aprire questo file?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot; (%2), which another program will open.</source>
        <translation>Il documento rimanda a «%1» (%2), che verrà aperto da un altro programma.</translation>
    </message>
</context>
<context>
    <name>CLinkLayer</name>
    <message>
        <source>Go to page %1</source>
        <translation>Vai a pagina %1</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>Scrivi a %1</translation>
    </message>
    <message>
        <source>Open %1 at page %2</source>
        <translation>Apri %1 a pagina %2</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Apri %1</translation>
    </message>
    <message>
        <source>Viewer command: %1</source>
        <translation>Comando del visualizzatore: %1</translation>
    </message>
    <message>
        <source>Runs the program %1; links that run programs are not followed</source>
        <translation>Avvia il programma %1; i collegamenti che avviano programmi non vengono seguiti</translation>
    </message>
    <message>
        <source>Runs a script; links that run scripts are not followed</source>
        <translation>Esegue uno script; i collegamenti che eseguono script non vengono seguiti</translation>
    </message>
</context>
<context>
    <name>CLinkTargetBox</name>
    <message>
        <source>Link Target</source>
        <translation>Destinazione del collegamento</translation>
    </message>
    <message>
        <source>Page of this document</source>
        <translation>Pagina di questo documento</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Numero di pagina</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Indirizzo web</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CLoadingPage</name>
    <message>
        <source>Opening &quot;%1&quot;...</source>
        <translation>Apertura di &quot;%1&quot;...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CMemberManager</name>
    <message>
        <source>Could not reach the account service. Please check your connection and try again.</source>
        <translation>Impossibile raggiungere il servizio account. Controlla la connessione e riprova.</translation>
    </message>
    <message>
        <source>Signing in is already in progress.</source>
        <translation>Accesso già in corso.</translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address.</source>
        <translation>Inserisci un indirizzo e-mail valido.</translation>
    </message>
    <message>
        <source>Please enter your password.</source>
        <translation>Inserisci la password.</translation>
    </message>
    <message>
        <source>The e-mail address or password is incorrect.</source>
        <translation>L&apos;indirizzo e-mail o la password non sono corretti.</translation>
    </message>
    <message>
        <source>The account service sent an answer that could not be read. Please try again later.</source>
        <translation>Il servizio account ha inviato una risposta illeggibile. Riprova più tardi.</translation>
    </message>
</context>
<context>
    <name>CNssStore</name>
    <message>
        <source>The certificate store in %1 could not be opened.</source>
        <translation>Impossibile aprire l&apos;archivio dei certificati in %1.</translation>
    </message>
    <message>
        <source>The certificate store is locked. Give its password first.</source>
        <translation>L&apos;archivio dei certificati è bloccato. Inserisci prima la sua password.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The file is not a certificate file (PKCS#12).</source>
        <translation>Il file non è un file di certificato (PKCS#12).</translation>
    </message>
    <message>
        <source>The password does not open this certificate file.</source>
        <translation>La password non apre questo file di certificato.</translation>
    </message>
    <message>
        <source>The certificate could not be added to the store in %1.</source>
        <translation>Impossibile aggiungere il certificato all&apos;archivio in %1.</translation>
    </message>
    <message>
        <source>The file holds no certificate with its private key, so it cannot sign.</source>
        <translation>Il file non contiene alcun certificato con la sua chiave privata, quindi non può firmare.</translation>
    </message>
    <message>
        <source>Digital signature</source>
        <translation>Firma digitale</translation>
    </message>
    <message>
        <source>Non-repudiation</source>
        <translation>Non ripudio</translation>
    </message>
    <message>
        <source>Key encipherment</source>
        <translation>Cifratura della chiave</translation>
    </message>
    <message>
        <source>Data encipherment</source>
        <translation>Cifratura dei dati</translation>
    </message>
    <message>
        <source>Key agreement</source>
        <translation>Accordo di chiave</translation>
    </message>
    <message>
        <source>Certificate signing</source>
        <translation>Firma di certificati</translation>
    </message>
    <message>
        <source>CRL signing</source>
        <translation>Firma di CRL</translation>
    </message>
    <message>
        <source>Encipher only</source>
        <translation>Solo cifratura</translation>
    </message>
</context>
<context>
    <name>COpenController</name>
    <message>
        <source>Failed to Open</source>
        <translation>Impossibile aprire</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>«%1» non è stato trovato. Potrebbe essere stato spostato, rinominato o eliminato.</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>Non hai il permesso di leggere «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>«%1» è danneggiato e non può essere letto.</translation>
    </message>
</context>
<context>
    <name>COrganizerBox</name>
    <message>
        <source>Rotate Left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Elimina pagine</translation>
    </message>
    <message>
        <source>Duplicate Pages</source>
        <translation>Duplica pagine</translation>
    </message>
    <message>
        <source>Insert Blank Page</source>
        <translation>Inserisci pagina vuota</translation>
    </message>
    <message>
        <source>Insert Pages from File</source>
        <translation>Inserisci pagine da file</translation>
    </message>
    <message>
        <source>Extract Pages</source>
        <translation>Estrai pagine</translation>
    </message>
    <message>
        <source>Split Document</source>
        <translation>Dividi documento</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Annulla (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>Ripeti (Ctrl+Maiusc+Z)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Move Pages</source>
        <translation>Sposta pagine</translation>
    </message>
    <message>
        <source>Pages: %1  Selected: %2</source>
        <translation>Pagine: %1  Selezionate: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cannot Delete Pages</source>
        <translation>Impossibile eliminare le pagine</translation>
    </message>
    <message>
        <source>A document needs at least one page. Keep one page or more.</source>
        <translation>Un documento deve avere almeno una pagina. Mantieni una o più pagine.</translation>
    </message>
    <message>
        <source>Cannot Insert Pages</source>
        <translation>Impossibile inserire le pagine</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. It may be damaged or not a PDF file.</source>
        <translation>Impossibile leggere &quot;%1&quot;. Potrebbe essere danneggiato o non essere un file PDF.</translation>
    </message>
    <message>
        <source>Insert Pages</source>
        <translation>Inserisci pagine</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Extract Pages</source>
        <translation>Estrazione delle pagine non riuscita</translation>
    </message>
    <message>
        <source>Failed to Split Document</source>
        <translation>Divisione del documento non riuscita</translation>
    </message>
</context>
<context>
    <name>COrganizerView</name>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
</context>
<context>
    <name>CPageEditBar</name>
    <message>
        <source>Page Editing</source>
        <translation>Modifica delle pagine</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selezione</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Aggiungi testo</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Aggiungi immagine</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Aggiungi collegamento</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Dimensione carattere</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Colore del testo</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Altri colori...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Link Target...</source>
        <translation>Destinazione del collegamento...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Leave page editing</source>
        <translation>Esci dalla modifica delle pagine</translation>
    </message>
    <message>
        <source>Click where the text should start; Ctrl+Enter keeps it.</source>
        <translation>Fai clic dove deve iniziare il testo; Ctrl+Invio lo conferma.</translation>
    </message>
    <message>
        <source>Click where the picture should go.</source>
        <translation>Fai clic dove deve andare l&apos;immagine.</translation>
    </message>
    <message>
        <source>Drag over the area that should become a link.</source>
        <translation>Trascina sull&apos;area che deve diventare un collegamento.</translation>
    </message>
    <message>
        <source>Drag pictures to move them, their corners to resize them.</source>
        <translation>Trascina le immagini per spostarle, i loro angoli per ridimensionarle.</translation>
    </message>
</context>
<context>
    <name>CPageEditController</name>
    <message>
        <source>Cannot Edit Pages</source>
        <translation>Impossibile modificare le pagine</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to edit them.</source>
        <translation>Le autorizzazioni del documento non consentono di modificarne le pagine. Aprilo con la password delle autorizzazioni per modificarle.</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; first?</source>
        <translation>Salvare prima le modifiche a &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Page editing starts from the saved document.</source>
        <translation>La modifica delle pagine parte dal documento salvato.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save the page edits to &quot;%1&quot;?</source>
        <translation>Salvare le modifiche alle pagine in &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Pages show their edits until you leave page editing.</source>
        <translation>Le pagine mostrano le modifiche finché non esci dalla modifica delle pagine.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Cannot Edit the Page</source>
        <translation>Impossibile modificare la pagina</translation>
    </message>
    <message>
        <source>The document has no page %1.</source>
        <translation>Il documento non ha la pagina %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address a link can lead to.</source>
        <translation>&quot;%1&quot; non è un indirizzo web a cui può portare un collegamento.</translation>
    </message>
    <message>
        <source>The change does not fit the page.</source>
        <translation>La modifica non è adatta alla pagina.</translation>
    </message>
    <message>
        <source>The text could not be added here.</source>
        <translation>Impossibile aggiungere il testo qui.</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Aggiungi testo</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read.</source>
        <translation>Impossibile leggere l&apos;immagine &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Aggiungi immagine</translation>
    </message>
    <message>
        <source>Resize Picture</source>
        <translation>Ridimensiona immagine</translation>
    </message>
    <message>
        <source>Move Picture</source>
        <translation>Sposta immagine</translation>
    </message>
    <message>
        <source>Resize Text</source>
        <translation>Ridimensiona testo</translation>
    </message>
    <message>
        <source>Move Text</source>
        <translation>Sposta testo</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Rimuovi collegamento</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Elimina immagine</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>Elimina testo</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Aggiungi collegamento</translation>
    </message>
    <message>
        <source>Change Link</source>
        <translation>Modifica collegamento</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Immagini (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The change could not be made (%1).</source>
        <translation>Impossibile apportare la modifica (%1).</translation>
    </message>
</context>
<context>
    <name>CPageEditLayer</name>
    <message>
        <source>Text to add</source>
        <translation>Testo da aggiungere</translation>
    </message>
    <message>
        <source>Leads nowhere</source>
        <translation>Non porta da nessuna parte</translation>
    </message>
    <message>
        <source>Double-click to change where it leads</source>
        <translation>Fai doppio clic per cambiare la destinazione</translation>
    </message>
</context>
<context>
    <name>CPageView</name>
    <message>
        <source>The document&apos;s permissions do not allow copying its text.</source>
        <translation>Le autorizzazioni del documento non consentono di copiarne il testo.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>CPasswordBox</name>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected. Enter the password to open it.</source>
        <translation>&quot;%1&quot; è protetto. Inserisci la password per aprirlo.</translation>
    </message>
    <message>
        <source>Incorrect password. Please try again.</source>
        <translation>Password errata. Riprova.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>CPdfImage</name>
    <message>
        <source>The file is not a PNG or JPEG picture.</source>
        <translation>Il file non è un&apos;immagine PNG o JPEG.</translation>
    </message>
    <message>
        <source>The picture is too large or damaged.</source>
        <translation>L&apos;immagine è troppo grande o danneggiata.</translation>
    </message>
</context>
<context>
    <name>CPdfPrinter</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cannot Print</source>
        <translation>Impossibile stampare</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow printing it. Open it with its permissions password to print it.</source>
        <translation>Le autorizzazioni del documento non consentono di stamparlo. Aprilo con la password delle autorizzazioni per stamparlo.</translation>
    </message>
    <message>
        <source>Failed to Print</source>
        <translation>Stampa non riuscita</translation>
    </message>
    <message>
        <source>No printer and no file to print to were chosen.</source>
        <translation>Non è stata scelta né una stampante né un file in cui stampare.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Preparing the pages...</source>
        <translation>Preparazione delle pagine...</translation>
    </message>
    <message>
        <source>Sending to &quot;%1&quot;...</source>
        <translation>Invio a &quot;%1&quot;...</translation>
    </message>
    <message>
        <source>Writing &quot;%1&quot;...</source>
        <translation>Scrittura di &quot;%1&quot;...</translation>
    </message>
</context>
<context>
    <name>CPresentationView</name>
    <message>
        <source>Presentation</source>
        <translation>Presentazione</translation>
    </message>
</context>
<context>
    <name>CPrintJob</name>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>Le pagine &quot;%1&quot; non sono nel documento.</translation>
    </message>
    <message>
        <source>No temporary folder could be made for the print job (%1).</source>
        <translation>Impossibile creare una cartella temporanea per il lavoro di stampa (%1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: its folder or the file does not allow changes. Print to another file.</source>
        <translation>Impossibile scrivere &quot;%1&quot;: la cartella o il file non consente modifiche. Stampa in un altro file.</translation>
    </message>
    <message>
        <source>The printing service does not answer at %1.</source>
        <translation>Il servizio di stampa non risponde su %1.</translation>
    </message>
    <message>
        <source>No printer is set up (%1).</source>
        <translation>Nessuna stampante configurata (%1).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be found (%2).</source>
        <translation>Impossibile trovare la stampante &quot;%1&quot; (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation>La stampante &quot;%1&quot; non ha accettato il lavoro: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being printed. Print to another file.</source>
        <translation>&quot;%1&quot; è il documento in stampa. Stampa in un altro file.</translation>
    </message>
</context>
<context>
    <name>CPropertiesBox</name>
    <message>
        <source>Document Properties</source>
        <translation>Proprietà documento</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autore</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Oggetto</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Parole chiave</translation>
    </message>
    <message>
        <source>Creator</source>
        <translation>Creatore</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Data creazione</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Data modifica</translation>
    </message>
    <message>
        <source>PDF Version</source>
        <translation>Versione PDF</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Formato pagina</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dimensione file</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicurezza</translation>
    </message>
    <message>
        <source>Password protected</source>
        <translation>Protetto da password</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
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
        <translation>Riconoscimento del testo</translation>
    </message>
    <message>
        <source>This page</source>
        <translation>Questa pagina</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>Tutte le pagine</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pagine:</translation>
    </message>
    <message>
        <source>Pages to recognize</source>
        <translation>Pagine da riconoscere</translation>
    </message>
    <message>
        <source>e.g. 1-3, 5</source>
        <translation>es. 1-3, 5</translation>
    </message>
    <message>
        <source>Page numbers to recognize</source>
        <translation>Numeri delle pagine da riconoscere</translation>
    </message>
    <message>
        <source>Languages of the text</source>
        <translation>Lingue del testo</translation>
    </message>
    <message>
        <source>The languages the pages are written in</source>
        <translation>Le lingue in cui sono scritte le pagine</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Riconosci testo</translation>
    </message>
    <message>
        <source>Recognition progress</source>
        <translation>Avanzamento del riconoscimento</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cancel text recognition</source>
        <translation>Annulla il riconoscimento del testo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close the text recognition bar</source>
        <translation>Chiudi la barra del riconoscimento del testo</translation>
    </message>
    <message>
        <source>No language</source>
        <translation>Nessuna lingua</translation>
    </message>
    <message>
        <source>Recognizing text, pages done: %1 of %2</source>
        <translation>Riconoscimento del testo, pagine completate: %1 di %2</translation>
    </message>
</context>
<context>
    <name>CRecognizeController</name>
    <message>
        <source>eng</source>
        <comment>The text recognition language of this translation, as its data file is named (ISO 639-2: deu, fra, chi_sim...)</comment>
        <translation>ita</translation>
    </message>
    <message>
        <source>No text recognition languages are installed.</source>
        <translation>Non è installata alcuna lingua per il riconoscimento del testo.</translation>
    </message>
    <message>
        <source>This page is a scan without text. No text recognition languages are installed.</source>
        <translation>Questa pagina è una scansione senza testo. Non è installata alcuna lingua per il riconoscimento del testo.</translation>
    </message>
    <message>
        <source>This page is a scan without text.</source>
        <translation>Questa pagina è una scansione senza testo.</translation>
    </message>
    <message>
        <source>This page has text already; only pages without text are recognized.</source>
        <translation>Questa pagina ha già del testo; vengono riconosciute solo le pagine senza testo.</translation>
    </message>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>Le pagine &quot;%1&quot; non sono nel documento.</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Riconosci testo</translation>
    </message>
    <message>
        <source>Done: the text can now be searched, selected and copied. Save to keep it.</source>
        <translation>Fatto: ora il testo si può cercare, selezionare e copiare. Salva per mantenerlo.</translation>
    </message>
    <message>
        <source>Every page chosen has text already. Nothing was changed.</source>
        <translation>Tutte le pagine scelte hanno già del testo. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>Text recognition was cancelled. Nothing was changed.</source>
        <translation>Il riconoscimento del testo è stato annullato. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>Text recognition failed (%1). Nothing was changed.</source>
        <translation>Il riconoscimento del testo non è riuscito (%1). Non è stato cambiato nulla.</translation>
    </message>
</context>
<context>
    <name>CRenameBox</name>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file name cannot be empty.</source>
        <translation>Il nome del file non può essere vuoto.</translation>
    </message>
    <message>
        <source>A file name can&apos;t contain any of the following characters: \ / : * ? &quot; &lt; &gt; |</source>
        <translation>Un nome file non può contenere nessuno dei seguenti caratteri: \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>Questo nome non può essere utilizzato come nome file.</translation>
    </message>
    <message>
        <source>A file with this name already exists.</source>
        <translation>Esiste già un file con questo nome.</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nuovo nome</translation>
    </message>
</context>
<context>
    <name>CReviewDialog</name>
    <message>
        <source>Enjoying %1?</source>
        <translation>Ti piace %1?</translation>
    </message>
    <message>
        <source>Rate Now</source>
        <translation>Valuta ora</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>Don&apos;t Ask Again</source>
        <translation>Non chiedere più</translation>
    </message>
</context>
<context>
    <name>CSavePipeline</name>
    <message>
        <source>&quot;%1&quot; was moved or deleted while it was open. Nothing was written.</source>
        <translation>&quot;%1&quot; è stato spostato o eliminato mentre era aperto. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program while it was open. Nothing was written; open it again to make your changes.</source>
        <translation>&quot;%1&quot; è stato modificato da un altro programma mentre era aperto. Non è stato scritto nulla; riaprilo per fare le tue modifiche.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read (%2). Nothing was written.</source>
        <translation>Impossibile leggere &quot;%1&quot; (%2). Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>This document was opened with its open password only. To change its protection, open it with its permissions password.</source>
        <translation>Questo documento è stato aperto solo con la password di apertura. Per modificarne la protezione, aprilo con la password delle autorizzazioni.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not allow changes. Choose another folder with Save As.</source>
        <translation>La cartella &quot;%1&quot; non consente modifiche. Scegli un’altra cartella con Salva con nome.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only. Choose another file with Save As.</source>
        <translation>&quot;%1&quot; è di sola lettura. Scegli un altro file con Salva con nome.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2). The file was left as it was.</source>
        <translation>Impossibile scrivere &quot;%1&quot; (%2). Il file è rimasto com’era.</translation>
    </message>
    <message>
        <source>The changes could not be prepared for writing (%1). Nothing was written.</source>
        <translation>Impossibile preparare le modifiche per la scrittura (%1). Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved but could not be opened again (%2).</source>
        <translation>&quot;%1&quot; è stato salvato ma non è stato possibile riaprirlo (%2).</translation>
    </message>
</context>
<context>
    <name>CSearchResultModel</name>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
</context>
<context>
    <name>CSessionKeeper</name>
    <message>
        <source>%1 did not close properly last time. Your documents have been reopened.</source>
        <translation>%1 non è stato chiuso correttamente l&apos;ultima volta. I documenti sono stati riaperti.</translation>
    </message>
    <message>
        <source>These documents could not be found and were not reopened:</source>
        <translation>Questi documenti non sono stati trovati e non sono stati riaperti:</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1?</source>
        <translation>Recuperare le modifiche non salvate a %1?</translation>
    </message>
    <message>
        <source>The changes were kept when the document was last open. If you discard them, they cannot be brought back.</source>
        <translation>Le modifiche sono state conservate l&apos;ultima volta che il documento era aperto. Se le scarti, non potranno essere recuperate.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recupera</translation>
    </message>
    <message>
        <source>Failed to Recover</source>
        <translation>Recupero non riuscito</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 no longer fit the file.</source>
        <translation>Le modifiche non salvate a %1 non corrispondono più al file.</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>Salva come nuovo file</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 are kept</source>
        <translation>Le modifiche non salvate di %1 vengono conservate</translation>
    </message>
    <message>
        <source>The document cannot be found at &quot;%1&quot; right now. Its changes are offered again once it is back there.</source>
        <translation>Al momento il documento non si trova in &quot;%1&quot;. Le sue modifiche verranno riproposte quando sarà di nuovo lì.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Mantieni</translation>
    </message>
    <message>
        <source>The last session had more windows and tabs than are reopened at once. Documents not reopened: %1</source>
        <translation>L&apos;ultima sessione aveva più finestre e schede di quante se ne riaprano in una volta. Documenti non riaperti: %1</translation>
    </message>
</context>
<context>
    <name>CSidePanel</name>
    <message>
        <source>Thumbnails</source>
        <translation>Miniature</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Segnalibri</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Annotazioni</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Allegati</translation>
    </message>
    <message>
        <source>This document has no bookmarks.</source>
        <translation>Questo documento non contiene segnalibri.</translation>
    </message>
    <message>
        <source>This document has no attachments.</source>
        <translation>Questo documento non contiene allegati.</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>Risultati della ricerca</translation>
    </message>
    <message>
        <source>In a comment on page %1</source>
        <translation>In un commento a pagina %1</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Firme</translation>
    </message>
</context>
<context>
    <name>CSignBox</name>
    <message>
        <source>Sign Document</source>
        <translation>Firma documento</translation>
    </message>
    <message>
        <source>Sign &quot;%1&quot; with a certificate of your certificate store. The signed document is saved as a new file; this one stays as it is.</source>
        <translation>Firma &quot;%1&quot; con un certificato del tuo archivio dei certificati. Il documento firmato viene salvato come nuovo file; questo resta com&apos;è.</translation>
    </message>
    <message>
        <source>Certificate store password</source>
        <translation>Password dell&apos;archivio dei certificati</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Sblocca</translation>
    </message>
    <message>
        <source>Certificate:</source>
        <translation>Certificato:</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Certificato</translation>
    </message>
    <message>
        <source>Your certificate store has no certificate to sign with. Import one from a PKCS#12 file (.p12, .pfx).</source>
        <translation>Il tuo archivio dei certificati non contiene certificati per firmare. Importane uno da un file PKCS#12 (.p12, .pfx).</translation>
    </message>
    <message>
        <source>Import Certificate...</source>
        <translation>Importa certificato...</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>For example: I approve this document</source>
        <translation>Ad esempio: approvo questo documento</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Motivo:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Luogo</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Luogo:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Optional: a PNG or JPEG shown in the signature</source>
        <translation>Facoltativo: un&apos;immagine PNG o JPEG mostrata nella firma</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Scegli un&apos;immagine</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Immagine:</translation>
    </message>
    <message>
        <source>Sign and Save As...</source>
        <translation>Firma e salva con nome...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Issued by %1, valid from %2 to %3</source>
        <translation>Emesso da %1, valido dal %2 al %3</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>Uso della chiave: %1</translation>
    </message>
    <message>
        <source>This is not the password of your certificate store.</source>
        <translation>Questa non è la password del tuo archivio dei certificati.</translation>
    </message>
    <message>
        <source>Import Certificate</source>
        <translation>Importa certificato</translation>
    </message>
    <message>
        <source>Certificate Files (*.p12 *.pfx)</source>
        <translation>File di certificato (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Password of the certificate file:</source>
        <translation>Password del file di certificato:</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Scegli un&apos;immagine</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Immagini (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with, or import one.</source>
        <translation>Scegli un certificato per firmare o importane uno.</translation>
    </message>
    <message>
        <source>The picture must be a PNG or JPEG file.</source>
        <translation>L&apos;immagine deve essere un file PNG o JPEG.</translation>
    </message>
</context>
<context>
    <name>CSignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>nome@example.com</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CSignatureBar</name>
    <message>
        <source>Signatures</source>
        <translation>Firme</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>Firma documento</translation>
    </message>
    <message>
        <source>Signature Panel</source>
        <translation>Pannello firme</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close the signature bar</source>
        <translation>Chiudi la barra delle firme</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>un firmatario sconosciuto</translation>
    </message>
    <message>
        <source>Signed by %1, every signature is valid.</source>
        <translation>Firmato da %1, tutte le firme sono valide.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is valid.</source>
        <translation>Firmato da %1, la firma è valida.</translation>
    </message>
    <message>
        <source>Signed by %1; the document was changed after %2 signed it.</source>
        <translation>Firmato da %1; il documento è stato modificato dopo la firma di %2.</translation>
    </message>
    <message>
        <source>Signed by %1, the document was changed after signing.</source>
        <translation>Firmato da %1, il documento è stato modificato dopo la firma.</translation>
    </message>
    <message>
        <source>Signed by %1; the certificate of %2 is not trusted.</source>
        <translation>Firmato da %1; il certificato di %2 non è attendibile.</translation>
    </message>
    <message>
        <source>Signed by %1, the certificate is not trusted.</source>
        <translation>Firmato da %1, il certificato non è attendibile.</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 is not valid.</source>
        <translation>Firmato da %1; la firma di %2 non è valida.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is not valid.</source>
        <translation>Firmato da %1, la firma non è valida.</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 cannot be checked.</source>
        <translation>Firmato da %1; impossibile verificare la firma di %2.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature cannot be checked.</source>
        <translation>Firmato da %1, impossibile verificare la firma.</translation>
    </message>
    <message>
        <source>This document has a signature field waiting to be signed.</source>
        <translation>Questo documento ha un campo firma in attesa di essere firmato.</translation>
    </message>
    <message>
        <source>The signatures cannot be checked: the file changed since it was opened.</source>
        <translation>Impossibile verificare le firme: il file è cambiato da quando è stato aperto.</translation>
    </message>
    <message>
        <source>Drag a box on a page for the signature, or click an empty signature field. Enter places it on the current page; Esc cancels.</source>
        <translation>Trascina un riquadro su una pagina per la firma o fai clic su un campo firma vuoto. Invio la colloca sulla pagina corrente; Esc annulla.</translation>
    </message>
</context>
<context>
    <name>CSignatureController</name>
    <message>
        <source>Failed to Sign</source>
        <translation>Firma non riuscita</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Impossibile aprire</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before signing?</source>
        <translation>Salvare le modifiche a &quot;%1&quot; prima di firmare?</translation>
    </message>
    <message>
        <source>A signature covers the document as it is saved.</source>
        <translation>Una firma copre il documento così come è salvato.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save Signed Document</source>
        <translation>Salva documento firmato</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Digitally signed by %1</source>
        <translation>Firmato digitalmente da %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Luogo: %1</translation>
    </message>
    <message>
        <source>%1 (as signed by %2).pdf</source>
        <translation>%1 (come firmato da %2).pdf</translation>
    </message>
    <message>
        <source>unknown signer</source>
        <translation>firmatario sconosciuto</translation>
    </message>
</context>
<context>
    <name>CSignaturePanel</name>
    <message>
        <source>Signatures</source>
        <translation>Firme</translation>
    </message>
    <message>
        <source>Open Signed Version</source>
        <translation>Apri versione firmata</translation>
    </message>
    <message>
        <source>Opens the document as it was when the selected signature was made, in a new tab.</source>
        <translation>Apre in una nuova scheda il documento com&apos;era quando è stata apposta la firma selezionata.</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>Firma documento</translation>
    </message>
    <message>
        <source>The signature is valid.</source>
        <translation>La firma è valida.</translation>
    </message>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>Impossibile verificare la firma.</translation>
    </message>
    <message>
        <source>The signature is intact, but the certificate is not trusted.</source>
        <translation>La firma è integra, ma il certificato non è attendibile.</translation>
    </message>
    <message>
        <source>The document was changed after signing.</source>
        <translation>Il documento è stato modificato dopo la firma.</translation>
    </message>
    <message>
        <source>The signature is not valid.</source>
        <translation>La firma non è valida.</translation>
    </message>
    <message>
        <source>Not signed yet.</source>
        <translation>Non ancora firmato.</translation>
    </message>
    <message>
        <source>The certificate is trusted.</source>
        <translation>Il certificato è attendibile.</translation>
    </message>
    <message>
        <source>Its issuer is marked as not trusted.</source>
        <translation>Il suo emittente è contrassegnato come non attendibile.</translation>
    </message>
    <message>
        <source>Its issuer is not among the trusted certificates of this computer.</source>
        <translation>Il suo emittente non è tra i certificati attendibili di questo computer.</translation>
    </message>
    <message>
        <source>The certificate was revoked by its issuer.</source>
        <translation>Il certificato è stato revocato dal suo emittente.</translation>
    </message>
    <message>
        <source>The certificate was not valid at the time of signing.</source>
        <translation>Il certificato non era valido al momento della firma.</translation>
    </message>
    <message>
        <source>The certificate could not be checked.</source>
        <translation>Impossibile verificare il certificato.</translation>
    </message>
    <message>
        <source>Checking the signatures...</source>
        <translation>Verifica delle firme...</translation>
    </message>
    <message>
        <source>This document has no signatures.</source>
        <translation>Questo documento non ha firme.</translation>
    </message>
    <message>
        <source>Unknown signer</source>
        <translation>Firmatario sconosciuto</translation>
    </message>
    <message>
        <source>Empty signature field %1</source>
        <translation>Campo firma vuoto %1</translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; on page %2</source>
        <translation>Campo &quot;%1&quot; a pagina %2</translation>
    </message>
    <message>
        <source>On page %1</source>
        <translation>A pagina %1</translation>
    </message>
    <message>
        <source>Signed on %1</source>
        <translation>Firmato il %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Luogo: %1</translation>
    </message>
    <message>
        <source>Covers the whole document.</source>
        <translation>Copre l&apos;intero documento.</translation>
    </message>
    <message>
        <source>Covers an earlier revision of the document (its first %1 bytes); later changes are not signed.</source>
        <translation>Copre una revisione precedente del documento (i primi %1 byte); le modifiche successive non sono firmate.</translation>
    </message>
    <message>
        <source>Certificate issued by %1</source>
        <translation>Certificato emesso da %1</translation>
    </message>
    <message>
        <source>The certificate is self-signed.</source>
        <translation>Il certificato è autofirmato.</translation>
    </message>
    <message>
        <source>Certificate valid from %1 to %2</source>
        <translation>Certificato valido dal %1 al %2</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>Uso della chiave: %1</translation>
    </message>
    <message>
        <source>Subject: %1</source>
        <translation>Soggetto: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Numero di serie: %1</translation>
    </message>
</context>
<context>
    <name>CSignatures</name>
    <message>
        <source>The signed document must be saved as a new file; the original stays as it is.</source>
        <translation>Il documento firmato deve essere salvato come nuovo file; l&apos;originale resta com&apos;è.</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with.</source>
        <translation>Scegli un certificato per firmare.</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>Impossibile leggere il documento.</translation>
    </message>
    <message>
        <source>The folder of the new file does not allow writing.</source>
        <translation>La cartella del nuovo file non consente la scrittura.</translation>
    </message>
    <message>
        <source>The document could not be signed: there is no room for a temporary file.</source>
        <translation>Impossibile firmare il documento: non c&apos;è spazio per un file temporaneo.</translation>
    </message>
    <message>
        <source>The document has no signature field of this name.</source>
        <translation>Il documento non ha un campo firma con questo nome.</translation>
    </message>
    <message>
        <source>This signature field is signed already.</source>
        <translation>Questo campo firma è già firmato.</translation>
    </message>
    <message>
        <source>Draw the place of the signature on a page first.</source>
        <translation>Disegna prima la posizione della firma su una pagina.</translation>
    </message>
    <message>
        <source>The document could not be signed with this certificate. Its key may be missing from the store, or the store may be locked.</source>
        <translation>Impossibile firmare il documento con questo certificato. La sua chiave potrebbe mancare dall&apos;archivio, oppure l&apos;archivio potrebbe essere bloccato.</translation>
    </message>
    <message>
        <source>The signed document could not be written to %1.</source>
        <translation>Impossibile scrivere il documento firmato in %1.</translation>
    </message>
    <message>
        <source>The signed version is no longer in the file.</source>
        <translation>La versione firmata non è più nel file.</translation>
    </message>
    <message>
        <source>The signed version could not be written to %1.</source>
        <translation>Impossibile scrivere la versione firmata in %1.</translation>
    </message>
</context>
<context>
    <name>CSplitBox</name>
    <message>
        <source>Split Document</source>
        <translation>Dividi documento</translation>
    </message>
    <message>
        <source>Pages per file:</source>
        <translation>Pagine per file:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>The %1 pages become %2 files.</source>
        <translation>Le %1 pagine diventano %2 file.</translation>
    </message>
</context>
<context>
    <name>CTabBar</name>
    <message>
        <source>Close Tab</source>
        <translation>Chiudi scheda</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documenti</translation>
    </message>
</context>
<context>
    <name>CTabListWidget</name>
    <message>
        <source>Open Tabs</source>
        <translation>Schede aperte</translation>
    </message>
</context>
<context>
    <name>CTextOverlay</name>
    <message>
        <source>The text is too long: at most %1 characters can be added at once.</source>
        <translation>Il testo è troppo lungo: si possono aggiungere al massimo %1 caratteri alla volta.</translation>
    </message>
    <message>
        <source>The text must start on the page.</source>
        <translation>Il testo deve iniziare sulla pagina.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed.</source>
        <translation>Il carattere &quot;%1&quot; non è installato.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no character for &quot;%2&quot;. Choose a font that has it.</source>
        <translation>Il carattere &quot;%1&quot; non contiene &quot;%2&quot;. Scegli un carattere che lo contenga.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be embedded in a document. Choose another font.</source>
        <translation>Il carattere &quot;%1&quot; non può essere incorporato in un documento. Scegli un altro carattere.</translation>
    </message>
</context>
<context>
    <name>CTextRecognizer</name>
    <message>
        <source>no text recognition languages are installed</source>
        <translation>non è installata alcuna lingua per il riconoscimento del testo</translation>
    </message>
    <message>
        <source>no language data for &quot;%1&quot; is installed</source>
        <translation>non sono installati dati di lingua per «%1»</translation>
    </message>
    <message>
        <source>no language chosen</source>
        <translation>nessuna lingua scelta</translation>
    </message>
    <message>
        <source>the language data could not be read</source>
        <translation>non è stato possibile leggere i dati di lingua</translation>
    </message>
    <message>
        <source>no picture to read</source>
        <translation>nessuna immagine da leggere</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>the picture could not be read</source>
        <translation>non è stato possibile leggere l&apos;immagine</translation>
    </message>
    <message>
        <source>the text could not be written</source>
        <translation>non è stato possibile scrivere il testo</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>You are using version %1.</source>
        <translation>Stai utilizzando la versione %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Verifica degli aggiornamenti in corso...</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 è aggiornato.</translation>
    </message>
    <message>
        <source>A new version %1 is available.</source>
        <translation>È disponibile una nuova versione %1.</translation>
    </message>
    <message>
        <source>Could not reach the update service. Please check your connection and try again.</source>
        <translation>Impossibile raggiungere il servizio di aggiornamento. Controlla la connessione e riprova.</translation>
    </message>
</context>
<context>
    <name>CWindowTitleBar</name>
    <message>
        <source>Main Menu</source>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>DisplayOption</name>
    <message>
        <source>Display</source>
        <translation>Visualizzazione</translation>
    </message>
    <message>
        <source>Default Page View</source>
        <translation>Vista pagina predefinita</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Dimensioni effettive</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Adatta alla pagina</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Adatta alla larghezza</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Adatta all&apos;altezza</translation>
    </message>
    <message>
        <source>Default Page Layout</source>
        <translation>Layout pagina predefinito</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>Pagina singola</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>Pagina singola continua</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>Due pagine</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>Due pagine continue</translation>
    </message>
    <message>
        <source>Default Cursor</source>
        <translation>Cursore predefinito</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selezione</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mano</translation>
    </message>
</context>
<context>
    <name>DocumentMenu</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Open Recents</source>
        <translation>Apri recenti</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Crea PDF</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Chiudi scheda</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Close All Windows</source>
        <translation>Chiudi tutte le finestre</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Apri percorso file</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Condividi</translation>
    </message>
    <message>
        <source>Document Properties</source>
        <translation>Proprietà documento</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualizzazione</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>Pagina singola</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>Pagina singola continua</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>Due pagine</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>Due pagine continue</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniature</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Segnalibri</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Annotazioni</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Allegati</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Dimensioni effettive</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Adatta alla pagina</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Adatta alla larghezza</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Adatta all&apos;altezza</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>Attiva modalità lettura</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Vai</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Prima pagina</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Ultima pagina</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Go to Page</source>
        <translation>Vai alla pagina</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Move Window to Left Side of Screen</source>
        <translation>Sposta la finestra a sinistra dello schermo</translation>
    </message>
    <message>
        <source>Move Window to Right Side of Screen</source>
        <translation>Sposta la finestra a destra dello schermo</translation>
    </message>
    <message>
        <source>Replace Tiled Window</source>
        <translation>Sostituisci finestra affiancata</translation>
    </message>
    <message>
        <source>Show Next Tab</source>
        <translation>Mostra scheda successiva</translation>
    </message>
    <message>
        <source>Show Previous Tab</source>
        <translation>Mostra scheda precedente</translation>
    </message>
    <message>
        <source>Move Tab to New Window</source>
        <translation>Sposta scheda in una nuova finestra</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Porta tutto in primo piano</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Open in New Window</source>
        <translation>Apri in una nuova finestra</translation>
    </message>
    <message>
        <source>Close Other Tabs</source>
        <translation>Chiudi altre schede</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Chiudi tutte le schede</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>Segui il sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Create Desktop Shortcut</source>
        <translation>Crea collegamento sul desktop</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Imposta come predefinito</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guida utente</translation>
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
        <translation>Centro assistenza</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>Proteggi</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>Organizza pagine</translation>
    </message>
    <message>
        <source>Page Colours</source>
        <translation>Colori pagina</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Seppia</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Contrasto elevato</translation>
    </message>
    <message>
        <source>Dark Pages with the Dark Appearance</source>
        <translation>Pagine scure con l&apos;aspetto scuro</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commenta</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Presentazione</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Leave Read Mode</source>
        <translation>Esci dalla modalità lettura</translation>
    </message>
    <message>
        <source>Sign Document...</source>
        <translation>Firma documento...</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Firme</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Riconosci testo</translation>
    </message>
    <message>
        <source>Edit Page Content</source>
        <translation>Modifica contenuto della pagina</translation>
    </message>
</context>
<context>
    <name>GeneralOption</name>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Set %1 as default PDF reader</source>
        <translation>Imposta %1 come lettore PDF predefinito</translation>
    </message>
    <message>
        <source>Quit program when all windows are closed</source>
        <translation>Chiudi il programma quando tutte le finestre sono chiuse</translation>
    </message>
    <message>
        <source>Restore last view settings when reopening documents</source>
        <translation>Ripristina le ultime impostazioni di visualizzazione alla riapertura dei documenti</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Display Language</source>
        <translation>Lingua dell&apos;interfaccia</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>Segui il sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Reopen documents from last time</source>
        <translation>Riapri i documenti dell&apos;ultima volta</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Open PDF</source>
        <translation>Apri PDF</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Crea PDF</translation>
    </message>
    <message>
        <source>Popular Tools</source>
        <translation>Strumenti popolari</translation>
    </message>
    <message>
        <source>Edit PDF</source>
        <translation>Modifica PDF</translation>
    </message>
    <message>
        <source>Print PDF</source>
        <translation>Stampa PDF</translation>
    </message>
    <message>
        <source>Organize PDFs</source>
        <translation>Organizza PDF</translation>
    </message>
    <message>
        <source>Encrypt PDF</source>
        <translation>Crittografa PDF</translation>
    </message>
    <message>
        <source>Edit text, images and links in your PDF effortlessly</source>
        <translation>Modifica testo, immagini e link nei tuoi PDF senza fatica</translation>
    </message>
    <message>
        <source>Create a Blank Page PDF in a second</source>
        <translation>Crea un PDF con una pagina vuota in un attimo</translation>
    </message>
    <message>
        <source>Print your PDF document quickly and easily</source>
        <translation>Stampa i tuoi documenti PDF in modo semplice e veloce</translation>
    </message>
    <message>
        <source>Simply sort, add, delete PDF pages and etc.</source>
        <translation>Ordina, aggiungi ed elimina pagine PDF in modo semplice, e altro ancora</translation>
    </message>
    <message>
        <source>Password protect your PDF from unauthorized access</source>
        <translation>Proteggi i tuoi PDF con una password dagli accessi non autorizzati</translation>
    </message>
    <message>
        <source>You&apos;ve gone Incognito</source>
        <translation>Sei in modalità Incognito</translation>
    </message>
    <message>
        <source>The history of the files you have viewed will not be saved.</source>
        <translation>La cronologia dei file visualizzati non verrà salvata.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Add text, pictures and links to pages; move, resize or delete pictures; change where links lead. Text that is already on a page cannot be changed.</source>
        <translation>Aggiungi testo, immagini e collegamenti alle pagine; sposta, ridimensiona o elimina immagini; cambia la destinazione dei collegamenti. Il testo già presente su una pagina non può essere modificato.</translation>
    </message>
</context>
<context>
    <name>LogGuidBox</name>
    <message>
        <source>Log In Your Marvik Account</source>
        <translation>Accedi al tuo account Marvik</translation>
    </message>
    <message>
        <source>Work across desktop &amp; mobile</source>
        <translation>Lavora su desktop e dispositivi mobili</translation>
    </message>
    <message>
        <source>Support multiple languages</source>
        <translation>Supporto per più lingue</translation>
    </message>
    <message>
        <source>Free customer support</source>
        <translation>Assistenza clienti gratuita</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Accedi</translation>
    </message>
</context>
<context>
    <name>MKMainWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>Versione: %1</translation>
    </message>
    <message>
        <source>System: %1</source>
        <translation>Sistema: %1</translation>
    </message>
    <message>
        <source>%1 %2 feedback</source>
        <translation>Feedback su %1 %2</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Accesso eseguito come %1</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>MKMessageBox</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Impossibile rinominare il file. Potrebbe essere in uso oppure la cartella potrebbe non consentire modifiche.</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>Impossibile rinominare</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Impossibile aprire</translation>
    </message>
    <message>
        <source>The attachment could not be read from the document.</source>
        <translation>Impossibile leggere l&apos;allegato dal documento.</translation>
    </message>
    <message>
        <source>The attachment could not be saved.</source>
        <translation>Impossibile salvare l&apos;allegato.</translation>
    </message>
    <message>
        <source>Do you want to save changes to &quot;%1&quot; before closing?</source>
        <translation>Vuoi salvare le modifiche a &quot;%1&quot; prima di chiudere?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>Se non le salvi, le modifiche andranno perse.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Non salvare</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cannot Organize Pages</source>
        <translation>Impossibile organizzare le pagine</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to organize it.</source>
        <translation>Le autorizzazioni del documento non consentono di modificarne le pagine. Aprilo con la password delle autorizzazioni per organizzarlo.</translation>
    </message>
    <message>
        <source>Save the page changes to &quot;%1&quot;?</source>
        <translation>Salvare le modifiche alle pagine in &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>The reading view shows the pages once they are saved.</source>
        <translation>La vista di lettura mostra le pagine dopo che sono state salvate.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>Il file potrebbe essere stato spostato, danneggiato o eliminato.</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Startup Page</source>
        <translation>Pagina iniziale</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Apri PDF</translation>
    </message>
    <message>
        <source>Open Tabs</source>
        <translation>Schede aperte</translation>
    </message>
    <message>
        <source>Shortcut already exists.</source>
        <translation>Il collegamento esiste già.</translation>
    </message>
    <message>
        <source>Shortcut successfully created!</source>
        <translation>Collegamento creato correttamente!</translation>
    </message>
    <message>
        <source>Failed to create shortcuts.</source>
        <translation>Impossibile creare i collegamenti.</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Impossibile aprire</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Do you want to close all tabs or the current tab?</source>
        <translation>Vuoi chiudere tutte le schede o solo la scheda corrente?</translation>
    </message>
    <message>
        <source>Always close all tabs</source>
        <translation>Chiudi sempre tutte le schede</translation>
    </message>
    <message>
        <source>Close Current Tab</source>
        <translation>Chiudi scheda corrente</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Chiudi tutte le schede</translation>
    </message>
    <message>
        <source>Do you want to set %1 as your default PDF viewer?</source>
        <translation>Vuoi impostare %1 come visualizzatore PDF predefinito?</translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation>Non mostrare più</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Failed to Create PDF</source>
        <translation>Impossibile creare il PDF</translation>
    </message>
    <message>
        <source>The new document could not be written to &quot;%1&quot;. Check that the folder exists and that you may write there.</source>
        <translation>Impossibile scrivere il nuovo documento in &quot;%1&quot;. Verifica che la cartella esista e di avere i permessi di scrittura.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an address on the network, not a file on this computer. Save the document, then open the saved file.</source>
        <translation>«%1» è un indirizzo di rete, non un file di questo computer. Salva il documento, poi apri il file salvato.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>«%1» non è stato trovato. Potrebbe essere stato spostato, rinominato o eliminato.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a PDF document.</source>
        <translation>«%1» è una cartella, non un documento PDF.</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>Non hai il permesso di leggere «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document, or it is too damaged to be recognised as one.</source>
        <translation>«%1» non è un documento PDF, o è troppo danneggiato per essere riconosciuto come tale.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document but a file of another kind (%2).</source>
        <translation>«%1» non è un documento PDF ma un file di altro tipo (%2).</translation>
    </message>
</context>
<context>
    <name>PrivacyOption</name>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>Invia statistiche di utilizzo anonime</translation>
    </message>
    <message>
        <source>Send crash reports</source>
        <translation>Invia segnalazioni di arresto anomalo</translation>
    </message>
    <message>
        <source>Usage statistics count how often %1 starts and which features are used; a crash report holds what the program was doing when it crashed and the end of its log. Neither holds the names or content of your documents, and nothing is sent unless you tick it here.</source>
        <translation>Le statistiche di utilizzo contano quante volte si avvia %1 e quali funzioni vengono usate; una segnalazione di arresto anomalo contiene ciò che il programma stava facendo al momento del blocco e la fine del suo registro. Nessuna delle due contiene i nomi o il contenuto dei tuoi documenti, e non viene inviato nulla se non lo selezioni qui.</translation>
    </message>
</context>
<context>
    <name>QWKDialogBar</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>RecentPage</name>
    <message>
        <source>Recents</source>
        <translation>Recenti</translation>
    </message>
    <message>
        <source>Incognito Mode</source>
        <translation>Modalità Incognito</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Vista elenco</translation>
    </message>
    <message>
        <source>Grid View</source>
        <translation>Vista griglia</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Files you have recently viewed or worked with will be listed here</source>
        <translation>Qui verranno elencati i file che hai visualizzato o modificato di recente</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Apri PDF</translation>
    </message>
    <message>
        <source>Are you sure to clear all the records?</source>
        <translation>Vuoi davvero cancellare tutta la cronologia?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>File recenti</translation>
    </message>
</context>
<context>
    <name>ReportConsent</name>
    <message>
        <source>Help Improve %1</source>
        <translation>Aiuta a migliorare %1</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics and crash reports?</source>
        <translation>Inviare statistiche di utilizzo anonime e segnalazioni di arresto anomalo?</translation>
    </message>
    <message>
        <source>They tell how often %1 starts and what made it crash, never which documents you open or anything about you. You can change this at any time in Preferences.</source>
        <translation>Indicano quante volte si avvia %1 e cosa ne ha causato il blocco, mai quali documenti apri né nulla su di te. Puoi cambiare questa scelta in qualsiasi momento nelle Preferenze.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
</context>
<context>
    <name>SettingOption</name>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualizzazione</translation>
    </message>
    <message>
        <source>Blank PDF</source>
        <translation>PDF vuoto</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
</context>
</TS>
