<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AssocGuidBox</name>
    <message>
        <source>Two Steps to Set %1 as the Default PDF Viewer</source>
        <translation>Two Steps to Set %1 as the Default PDF Viewer</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Step 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Step 2</translation>
    </message>
    <message>
        <source>Click %1 below, then click %2 in the pop-up.</source>
        <translation>Click %1 below, then click %2 in the pop-up.</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Set as Default</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Select %1 from the list, then click %2 to apply changes.</source>
        <translation>Select %1 from the list, then click %2 to apply changes.</translation>
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
        <translation>Blank PDF</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Page Size</translation>
    </message>
    <message>
        <source>Fixed Size</source>
        <translation>Fixed Size</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Lock aspect ratio</source>
        <translation>Lock aspect ratio</translation>
    </message>
    <message>
        <source>Unlock aspect ration</source>
        <translation>Unlock aspect ration</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Keep Aspect Ratio</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1 is a tabbed PDF reader for the desktop.</source>
        <translation>%1 is a tabbed PDF reader for the desktop.</translation>
    </message>
    <message>
        <source>This application uses open-source libraries, each under its own license.</source>
        <translation>This application uses open-source libraries, each under its own license.</translation>
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
        <translation>Add %1</translation>
    </message>
    <message>
        <source>Delete Comment</source>
        <translation>Delete Comment</translation>
    </message>
    <message>
        <source>Edit Comment Text</source>
        <translation>Edit Comment Text</translation>
    </message>
    <message>
        <source>Erase Comments</source>
        <translation>Erase Comments</translation>
    </message>
    <message>
        <source>Move Comment</source>
        <translation>Move Comment</translation>
    </message>
    <message>
        <source>Resize Comment</source>
        <translation>Resize Comment</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Edit Text</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Change Comment Color</source>
        <translation>Change Comment Color</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>CAnnotationPanel</name>
    <message>
        <source>Page %1 (%2)</source>
        <translation>Page %1 (%2)</translation>
    </message>
    <message>
        <source>This document has no annotations.</source>
        <translation>This document has no annotations.</translation>
    </message>
</context>
<context>
    <name>CChangeWatcher</name>
    <message>
        <source>Document Changed</source>
        <translation>Document Changed</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>&quot;%1&quot; was changed by another program. Reload it and lose your unsaved changes?</translation>
    </message>
    <message>
        <source>Keep My Version</source>
        <translation>Keep My Version</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Reload</translation>
    </message>
</context>
<context>
    <name>CClearEdit</name>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>CCommentController</name>
    <message>
        <source>Change Comment Color</source>
        <translation>Change Comment Color</translation>
    </message>
    <message>
        <source>Change Comment Opacity</source>
        <translation>Change Comment Opacity</translation>
    </message>
    <message>
        <source>Change Line Width</source>
        <translation>Change Line Width</translation>
    </message>
    <message>
        <source>Change Font Size</source>
        <translation>Change Font Size</translation>
    </message>
    <message>
        <source>Cannot Add Comments</source>
        <translation>Cannot Add Comments</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow adding comments.</source>
        <translation>The document&apos;s permissions do not allow adding comments.</translation>
    </message>
</context>
<context>
    <name>CCommentOptions</name>
    <message>
        <source>Highlight</source>
        <translation>Highlight</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Strikethrough</translation>
    </message>
    <message>
        <source>Squiggly</source>
        <translation>Squiggly</translation>
    </message>
    <message>
        <source>Sticky Note</source>
        <translation>Sticky Note</translation>
    </message>
    <message>
        <source>Text Box</source>
        <translation>Text Box</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Eraser</translation>
    </message>
</context>
<context>
    <name>CCommentToolBar</name>
    <message>
        <source>Select Comments</source>
        <translation>Select Comments</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>More Colors...</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Line Width</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Font Size</translation>
    </message>
    <message>
        <source>Close Comment Tools</source>
        <translation>Close Comment Tools</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF Files (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Save</source>
        <translation>Failed to Save</translation>
    </message>
    <message>
        <source>Cannot Change Protection</source>
        <translation>Cannot Change Protection</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot; with the protected version?</source>
        <translation>Replace &quot;%1&quot; with the protected version?</translation>
    </message>
    <message>
        <source>The file will need the password to open from now on.</source>
        <translation>The file will need the password to open from now on.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>Save as New File</translation>
    </message>
    <message>
        <source>Remove the password from &quot;%1&quot;?</source>
        <translation>Remove the password from &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Anyone will be able to open the file.</source>
        <translation>Anyone will be able to open the file.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Saving will break the signatures of &quot;%1&quot;.</source>
        <translation>Saving will break the signatures of &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Changed pages or protection rewrite the whole file, and the signatures in it will no longer be valid. Save as a new file to keep the signed original.</source>
        <translation>Changed pages or protection rewrite the whole file, and the signatures in it will no longer be valid. Save as a new file to keep the signed original.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Save Anyway</translation>
    </message>
</context>
<context>
    <name>CDocumentToolBar</name>
    <message>
        <source>Thumbnails</source>
        <translation>Thumbnails</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Find (Ctrl+F)</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>Organize Pages</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Previous Page</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Next Page</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Fit Page</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Fit Width</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Fit Height</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>Enter Read Mode</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>This document does not allow comments</source>
        <translation>This document does not allow comments</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Page Number</translation>
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
        <translation>Recover Changes</translation>
    </message>
</context>
<context>
    <name>CEditSession</name>
    <message>
        <source>Restore Page Changes</source>
        <translation>Restore Page Changes</translation>
    </message>
    <message>
        <source>Restore Recognized Text</source>
        <translation>Restore Recognized Text</translation>
    </message>
    <message>
        <source>Restore Page Edits</source>
        <translation>Restore Page Edits</translation>
    </message>
</context>
<context>
    <name>CEncryptBox</name>
    <message>
        <source>Encrypt PDF</source>
        <translation>Encrypt PDF</translation>
    </message>
    <message>
        <source>Set a password that is needed to open &quot;%1&quot;.</source>
        <translation>Set a password that is needed to open &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Open password:</source>
        <translation>Open password:</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Confirm password:</translation>
    </message>
    <message>
        <source>Restrict printing and editing with a permissions password</source>
        <translation>Restrict printing and editing with a permissions password</translation>
    </message>
    <message>
        <source>Permissions password:</source>
        <translation>Permissions password:</translation>
    </message>
    <message>
        <source>Allow printing</source>
        <translation>Allow printing</translation>
    </message>
    <message>
        <source>Allow copying text and images</source>
        <translation>Allow copying text and images</translation>
    </message>
    <message>
        <source>Allow editing</source>
        <translation>Allow editing</translation>
    </message>
    <message>
        <source>Allow commenting</source>
        <translation>Allow commenting</translation>
    </message>
    <message>
        <source>Allow filling in forms</source>
        <translation>Allow filling in forms</translation>
    </message>
    <message>
        <source>Allow inserting, deleting and rotating pages</source>
        <translation>Allow inserting, deleting and rotating pages</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Encryption:</translation>
    </message>
    <message>
        <source>AES-256 (recommended)</source>
        <translation>AES-256 (recommended)</translation>
    </message>
    <message>
        <source>AES-128 (for older readers)</source>
        <translation>AES-128 (for older readers)</translation>
    </message>
    <message>
        <source>Remove Protection</source>
        <translation>Remove Protection</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save as New File...</source>
        <translation>Save as New File...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Weak</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Fair</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Strength: %1</translation>
    </message>
    <message>
        <source>Enter a password to open the document.</source>
        <translation>Enter a password to open the document.</translation>
    </message>
    <message>
        <source>The passwords do not match. Type the open password again in both fields.</source>
        <translation>The passwords do not match. Type the open password again in both fields.</translation>
    </message>
    <message>
        <source>Enter a permissions password, or turn the restrictions off.</source>
        <translation>Enter a permissions password, or turn the restrictions off.</translation>
    </message>
    <message>
        <source>The permissions passwords do not match. Type it again in both fields.</source>
        <translation>The permissions passwords do not match. Type it again in both fields.</translation>
    </message>
    <message>
        <source>The permissions password must differ from the open password.</source>
        <translation>The permissions password must differ from the open password.</translation>
    </message>
</context>
<context>
    <name>CFileListView</name>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Pin</translation>
    </message>
    <message>
        <source>Unpin</source>
        <translation>Unpin</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Open File Location</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Remove from List</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Failed to Open</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>The file might have been moved, damaged, or deleted.</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>Failed to Rename</translation>
    </message>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>The file could not be renamed. It may be in use, or the folder may not allow changes.</translation>
    </message>
</context>
<context>
    <name>CFindBar</name>
    <message>
        <source>Find in document</source>
        <translation>Find in document</translation>
    </message>
    <message>
        <source>Previous Match (Shift+F3)</source>
        <translation>Previous Match (Shift+F3)</translation>
    </message>
    <message>
        <source>Next Match (F3)</source>
        <translation>Next Match (F3)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Match case</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Whole words</translation>
    </message>
    <message>
        <source>Show All Results</source>
        <translation>Show All Results</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Close (Esc)</translation>
    </message>
    <message>
        <source>No text in this document</source>
        <translation>No text in this document</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>No results</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stop Searching</source>
        <translation>Stop Searching</translation>
    </message>
    <message>
        <source>%1 of %2, %3 of %4 pages searched</source>
        <translation>%1 of %2, %3 of %4 pages searched</translation>
    </message>
    <message>
        <source>%1 found, %2 of %3 pages searched</source>
        <translation>%1 found, %2 of %3 pages searched</translation>
    </message>
    <message>
        <source>%1 of %2, stopped after %3 of %4 pages</source>
        <translation>%1 of %2, stopped after %3 of %4 pages</translation>
    </message>
    <message>
        <source>%1 found, stopped after %2 of %3 pages</source>
        <translation>%1 found, stopped after %2 of %3 pages</translation>
    </message>
</context>
<context>
    <name>CFormBar</name>
    <message>
        <source>Highlight Fields</source>
        <translation>Highlight Fields</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>This document contains form fields you can fill in.</source>
        <translation>This document contains form fields you can fill in.</translation>
    </message>
    <message>
        <source>This document contains form fields, but its permissions do not allow filling them in.</source>
        <translation>This document contains form fields, but its permissions do not allow filling them in.</translation>
    </message>
    <message>
        <source>This form uses XFA, which is not supported. Its fields cannot be shown or filled in here.</source>
        <translation>This form uses XFA, which is not supported. Its fields cannot be shown or filled in here.</translation>
    </message>
</context>
<context>
    <name>CFormLayer</name>
    <message>
        <source>Reset Form</source>
        <translation>Reset Form</translation>
    </message>
    <message>
        <source>Fill In Form</source>
        <translation>Fill In Form</translation>
    </message>
</context>
<context>
    <name>CGotoPageBox</name>
    <message>
        <source>Go to Page</source>
        <translation>Go to Page</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>of %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Page Number</translation>
    </message>
</context>
<context>
    <name>CLinkActions</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Open this link?</source>
        <translation>Open this link?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot;, which another program will open.</source>
        <translation>The document links to &quot;%1&quot;, which another program will open.</translation>
    </message>
    <message>
        <source>Cannot Open the Linked File</source>
        <translation>Cannot Open the Linked File</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>&quot;%1&quot; was not found.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open this file?</source>
        <translation>Open this file?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot; (%2), which another program will open.</source>
        <translation>The document links to &quot;%1&quot; (%2), which another program will open.</translation>
    </message>
</context>
<context>
    <name>CLinkLayer</name>
    <message>
        <source>Go to page %1</source>
        <translation>Go to page %1</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>Write to %1</translation>
    </message>
    <message>
        <source>Open %1 at page %2</source>
        <translation>Open %1 at page %2</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Open %1</translation>
    </message>
    <message>
        <source>Viewer command: %1</source>
        <translation>Viewer command: %1</translation>
    </message>
    <message>
        <source>Runs the program %1; links that run programs are not followed</source>
        <translation>Runs the program %1; links that run programs are not followed</translation>
    </message>
    <message>
        <source>Runs a script; links that run scripts are not followed</source>
        <translation>Runs a script; links that run scripts are not followed</translation>
    </message>
</context>
<context>
    <name>CLinkTargetBox</name>
    <message>
        <source>Link Target</source>
        <translation>Link Target</translation>
    </message>
    <message>
        <source>Page of this document</source>
        <translation>Page of this document</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Page number</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Web address</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CLoadingPage</name>
    <message>
        <source>Opening &quot;%1&quot;...</source>
        <translation>Opening &quot;%1&quot;...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CMemberManager</name>
    <message>
        <source>Could not reach the account service. Please check your connection and try again.</source>
        <translation>Could not reach the account service. Please check your connection and try again.</translation>
    </message>
    <message>
        <source>Signing in is already in progress.</source>
        <translation>Signing in is already in progress.</translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address.</source>
        <translation>Please enter a valid e-mail address.</translation>
    </message>
    <message>
        <source>Please enter your password.</source>
        <translation>Please enter your password.</translation>
    </message>
    <message>
        <source>The e-mail address or password is incorrect.</source>
        <translation>The e-mail address or password is incorrect.</translation>
    </message>
    <message>
        <source>The account service sent an answer that could not be read. Please try again later.</source>
        <translation>The account service sent an answer that could not be read. Please try again later.</translation>
    </message>
</context>
<context>
    <name>CNssStore</name>
    <message>
        <source>The certificate store in %1 could not be opened.</source>
        <translation>The certificate store in %1 could not be opened.</translation>
    </message>
    <message>
        <source>The certificate store is locked. Give its password first.</source>
        <translation>The certificate store is locked. Give its password first.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>The file could not be read.</translation>
    </message>
    <message>
        <source>The file is not a certificate file (PKCS#12).</source>
        <translation>The file is not a certificate file (PKCS#12).</translation>
    </message>
    <message>
        <source>The password does not open this certificate file.</source>
        <translation>The password does not open this certificate file.</translation>
    </message>
    <message>
        <source>The certificate could not be added to the store in %1.</source>
        <translation>The certificate could not be added to the store in %1.</translation>
    </message>
    <message>
        <source>The file holds no certificate with its private key, so it cannot sign.</source>
        <translation>The file holds no certificate with its private key, so it cannot sign.</translation>
    </message>
    <message>
        <source>Digital signature</source>
        <translation>Digital signature</translation>
    </message>
    <message>
        <source>Non-repudiation</source>
        <translation>Non-repudiation</translation>
    </message>
    <message>
        <source>Key encipherment</source>
        <translation>Key encipherment</translation>
    </message>
    <message>
        <source>Data encipherment</source>
        <translation>Data encipherment</translation>
    </message>
    <message>
        <source>Key agreement</source>
        <translation>Key agreement</translation>
    </message>
    <message>
        <source>Certificate signing</source>
        <translation>Certificate signing</translation>
    </message>
    <message>
        <source>CRL signing</source>
        <translation>CRL signing</translation>
    </message>
    <message>
        <source>Encipher only</source>
        <translation>Encipher only</translation>
    </message>
</context>
<context>
    <name>COpenController</name>
    <message>
        <source>Failed to Open</source>
        <translation>Failed to Open</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>You do not have permission to read &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>&quot;%1&quot; is damaged and cannot be read.</translation>
    </message>
</context>
<context>
    <name>COrganizerBox</name>
    <message>
        <source>Rotate Left</source>
        <translation>Rotate Left</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Rotate Right</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>Delete Pages</translation>
    </message>
    <message>
        <source>Duplicate Pages</source>
        <translation>Duplicate Pages</translation>
    </message>
    <message>
        <source>Insert Blank Page</source>
        <translation>Insert Blank Page</translation>
    </message>
    <message>
        <source>Insert Pages from File</source>
        <translation>Insert Pages from File</translation>
    </message>
    <message>
        <source>Extract Pages</source>
        <translation>Extract Pages</translation>
    </message>
    <message>
        <source>Split Document</source>
        <translation>Split Document</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Undo (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>Redo (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Move Pages</source>
        <translation>Move Pages</translation>
    </message>
    <message>
        <source>Pages: %1  Selected: %2</source>
        <translation>Pages: %1  Selected: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cannot Delete Pages</source>
        <translation>Cannot Delete Pages</translation>
    </message>
    <message>
        <source>A document needs at least one page. Keep one page or more.</source>
        <translation>A document needs at least one page. Keep one page or more.</translation>
    </message>
    <message>
        <source>Cannot Insert Pages</source>
        <translation>Cannot Insert Pages</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. It may be damaged or not a PDF file.</source>
        <translation>&quot;%1&quot; could not be read. It may be damaged or not a PDF file.</translation>
    </message>
    <message>
        <source>Insert Pages</source>
        <translation>Insert Pages</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF Files (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Extract Pages</source>
        <translation>Failed to Extract Pages</translation>
    </message>
    <message>
        <source>Failed to Split Document</source>
        <translation>Failed to Split Document</translation>
    </message>
</context>
<context>
    <name>COrganizerView</name>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
</context>
<context>
    <name>CPageEditBar</name>
    <message>
        <source>Page Editing</source>
        <translation>Page Editing</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Add Text</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Add Picture</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Add Link</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Font Size</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Text Color</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>More Colors...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Link Target...</source>
        <translation>Link Target...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Leave page editing</source>
        <translation>Leave page editing</translation>
    </message>
    <message>
        <source>Click where the text should start; Ctrl+Enter keeps it.</source>
        <translation>Click where the text should start; Ctrl+Enter keeps it.</translation>
    </message>
    <message>
        <source>Click where the picture should go.</source>
        <translation>Click where the picture should go.</translation>
    </message>
    <message>
        <source>Drag over the area that should become a link.</source>
        <translation>Drag over the area that should become a link.</translation>
    </message>
    <message>
        <source>Drag pictures to move them, their corners to resize them.</source>
        <translation>Drag pictures to move them, their corners to resize them.</translation>
    </message>
</context>
<context>
    <name>CPageEditController</name>
    <message>
        <source>Cannot Edit Pages</source>
        <translation>Cannot Edit Pages</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to edit them.</source>
        <translation>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to edit them.</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; first?</source>
        <translation>Save the changes to &quot;%1&quot; first?</translation>
    </message>
    <message>
        <source>Page editing starts from the saved document.</source>
        <translation>Page editing starts from the saved document.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save the page edits to &quot;%1&quot;?</source>
        <translation>Save the page edits to &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Pages show their edits until you leave page editing.</source>
        <translation>Pages show their edits until you leave page editing.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Cannot Edit the Page</source>
        <translation>Cannot Edit the Page</translation>
    </message>
    <message>
        <source>The document has no page %1.</source>
        <translation>The document has no page %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address a link can lead to.</source>
        <translation>&quot;%1&quot; is not a web address a link can lead to.</translation>
    </message>
    <message>
        <source>The change does not fit the page.</source>
        <translation>The change does not fit the page.</translation>
    </message>
    <message>
        <source>The text could not be added here.</source>
        <translation>The text could not be added here.</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Add Text</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read.</source>
        <translation>The picture &quot;%1&quot; could not be read.</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Add Picture</translation>
    </message>
    <message>
        <source>Resize Picture</source>
        <translation>Resize Picture</translation>
    </message>
    <message>
        <source>Move Picture</source>
        <translation>Move Picture</translation>
    </message>
    <message>
        <source>Resize Text</source>
        <translation>Resize Text</translation>
    </message>
    <message>
        <source>Move Text</source>
        <translation>Move Text</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Remove Link</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Delete Picture</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>Delete Text</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Add Link</translation>
    </message>
    <message>
        <source>Change Link</source>
        <translation>Change Link</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Pictures (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The change could not be made (%1).</source>
        <translation>The change could not be made (%1).</translation>
    </message>
</context>
<context>
    <name>CPageEditLayer</name>
    <message>
        <source>Text to add</source>
        <translation>Text to add</translation>
    </message>
    <message>
        <source>Leads nowhere</source>
        <translation>Leads nowhere</translation>
    </message>
    <message>
        <source>Double-click to change where it leads</source>
        <translation>Double-click to change where it leads</translation>
    </message>
</context>
<context>
    <name>CPageView</name>
    <message>
        <source>The document&apos;s permissions do not allow copying its text.</source>
        <translation>The document&apos;s permissions do not allow copying its text.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
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
        <translation>&quot;%1&quot; is protected. Enter the password to open it.</translation>
    </message>
    <message>
        <source>Incorrect password. Please try again.</source>
        <translation>Incorrect password. Please try again.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>CPdfImage</name>
    <message>
        <source>The file is not a PNG or JPEG picture.</source>
        <translation>The file is not a PNG or JPEG picture.</translation>
    </message>
    <message>
        <source>The picture is too large or damaged.</source>
        <translation>The picture is too large or damaged.</translation>
    </message>
</context>
<context>
    <name>CPdfPrinter</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Cannot Print</source>
        <translation>Cannot Print</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow printing it. Open it with its permissions password to print it.</source>
        <translation>The document&apos;s permissions do not allow printing it. Open it with its permissions password to print it.</translation>
    </message>
    <message>
        <source>Failed to Print</source>
        <translation>Failed to Print</translation>
    </message>
    <message>
        <source>No printer and no file to print to were chosen.</source>
        <translation>No printer and no file to print to were chosen.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Preparing the pages...</source>
        <translation>Preparing the pages...</translation>
    </message>
    <message>
        <source>Sending to &quot;%1&quot;...</source>
        <translation>Sending to &quot;%1&quot;...</translation>
    </message>
    <message>
        <source>Writing &quot;%1&quot;...</source>
        <translation>Writing &quot;%1&quot;...</translation>
    </message>
</context>
<context>
    <name>CPresentationView</name>
    <message>
        <source>Presentation</source>
        <translation>Presentation</translation>
    </message>
</context>
<context>
    <name>CPrintJob</name>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>The pages &quot;%1&quot; are not in the document.</translation>
    </message>
    <message>
        <source>No temporary folder could be made for the print job (%1).</source>
        <translation>No temporary folder could be made for the print job (%1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: its folder or the file does not allow changes. Print to another file.</source>
        <translation>&quot;%1&quot; cannot be written: its folder or the file does not allow changes. Print to another file.</translation>
    </message>
    <message>
        <source>The printing service does not answer at %1.</source>
        <translation>The printing service does not answer at %1.</translation>
    </message>
    <message>
        <source>No printer is set up (%1).</source>
        <translation>No printer is set up (%1).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be found (%2).</source>
        <translation>The printer &quot;%1&quot; cannot be found (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation>The printer &quot;%1&quot; did not take the job: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being printed. Print to another file.</source>
        <translation>&quot;%1&quot; is the document being printed. Print to another file.</translation>
    </message>
</context>
<context>
    <name>CPropertiesBox</name>
    <message>
        <source>Document Properties</source>
        <translation>Document Properties</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Keywords</translation>
    </message>
    <message>
        <source>Creator</source>
        <translation>Creator</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Producer</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>PDF Version</source>
        <translation>PDF Version</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Page Size</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>File Size</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>Password protected</source>
        <translation>Password protected</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
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
        <translation>Text recognition</translation>
    </message>
    <message>
        <source>This page</source>
        <translation>This page</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>All pages</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pages:</translation>
    </message>
    <message>
        <source>Pages to recognize</source>
        <translation>Pages to recognize</translation>
    </message>
    <message>
        <source>e.g. 1-3, 5</source>
        <translation>e.g. 1-3, 5</translation>
    </message>
    <message>
        <source>Page numbers to recognize</source>
        <translation>Page numbers to recognize</translation>
    </message>
    <message>
        <source>Languages of the text</source>
        <translation>Languages of the text</translation>
    </message>
    <message>
        <source>The languages the pages are written in</source>
        <translation>The languages the pages are written in</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Recognize Text</translation>
    </message>
    <message>
        <source>Recognition progress</source>
        <translation>Recognition progress</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Cancel text recognition</source>
        <translation>Cancel text recognition</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Close the text recognition bar</source>
        <translation>Close the text recognition bar</translation>
    </message>
    <message>
        <source>No language</source>
        <translation>No language</translation>
    </message>
    <message>
        <source>Recognizing text, pages done: %1 of %2</source>
        <translation>Recognizing text, pages done: %1 of %2</translation>
    </message>
</context>
<context>
    <name>CRecognizeController</name>
    <message>
        <source>eng</source>
        <comment>The text recognition language of this translation, as its data file is named (ISO 639-2: deu, fra, chi_sim...)</comment>
        <translation>eng</translation>
    </message>
    <message>
        <source>No text recognition languages are installed.</source>
        <translation>No text recognition languages are installed.</translation>
    </message>
    <message>
        <source>This page is a scan without text. No text recognition languages are installed.</source>
        <translation>This page is a scan without text. No text recognition languages are installed.</translation>
    </message>
    <message>
        <source>This page is a scan without text.</source>
        <translation>This page is a scan without text.</translation>
    </message>
    <message>
        <source>This page has text already; only pages without text are recognized.</source>
        <translation>This page has text already; only pages without text are recognized.</translation>
    </message>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>The pages &quot;%1&quot; are not in the document.</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Recognize Text</translation>
    </message>
    <message>
        <source>Done: the text can now be searched, selected and copied. Save to keep it.</source>
        <translation>Done: the text can now be searched, selected and copied. Save to keep it.</translation>
    </message>
    <message>
        <source>Every page chosen has text already. Nothing was changed.</source>
        <translation>Every page chosen has text already. Nothing was changed.</translation>
    </message>
    <message>
        <source>Text recognition was cancelled. Nothing was changed.</source>
        <translation>Text recognition was cancelled. Nothing was changed.</translation>
    </message>
    <message>
        <source>Text recognition failed (%1). Nothing was changed.</source>
        <translation>Text recognition failed (%1). Nothing was changed.</translation>
    </message>
</context>
<context>
    <name>CRenameBox</name>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file name cannot be empty.</source>
        <translation>The file name cannot be empty.</translation>
    </message>
    <message>
        <source>A file name can&apos;t contain any of the following characters: \ / : * ? &quot; &lt; &gt; |</source>
        <translation>A file name can&apos;t contain any of the following characters: \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>This name cannot be used as a file name.</translation>
    </message>
    <message>
        <source>A file with this name already exists.</source>
        <translation>A file with this name already exists.</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>New Name</translation>
    </message>
</context>
<context>
    <name>CReviewDialog</name>
    <message>
        <source>Enjoying %1?</source>
        <translation>Enjoying %1?</translation>
    </message>
    <message>
        <source>Rate Now</source>
        <translation>Rate Now</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Don&apos;t Ask Again</source>
        <translation>Don&apos;t Ask Again</translation>
    </message>
</context>
<context>
    <name>CSavePipeline</name>
    <message>
        <source>&quot;%1&quot; was moved or deleted while it was open. Nothing was written.</source>
        <translation>&quot;%1&quot; was moved or deleted while it was open. Nothing was written.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program while it was open. Nothing was written; open it again to make your changes.</source>
        <translation>&quot;%1&quot; was changed by another program while it was open. Nothing was written; open it again to make your changes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read (%2). Nothing was written.</source>
        <translation>&quot;%1&quot; could not be read (%2). Nothing was written.</translation>
    </message>
    <message>
        <source>This document was opened with its open password only. To change its protection, open it with its permissions password.</source>
        <translation>This document was opened with its open password only. To change its protection, open it with its permissions password.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not allow changes. Choose another folder with Save As.</source>
        <translation>The folder &quot;%1&quot; does not allow changes. Choose another folder with Save As.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only. Choose another file with Save As.</source>
        <translation>&quot;%1&quot; is read-only. Choose another file with Save As.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2). The file was left as it was.</source>
        <translation>&quot;%1&quot; could not be written (%2). The file was left as it was.</translation>
    </message>
    <message>
        <source>The changes could not be prepared for writing (%1). Nothing was written.</source>
        <translation>The changes could not be prepared for writing (%1). Nothing was written.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved but could not be opened again (%2).</source>
        <translation>&quot;%1&quot; was saved but could not be opened again (%2).</translation>
    </message>
</context>
<context>
    <name>CSearchResultModel</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>CSessionKeeper</name>
    <message>
        <source>%1 did not close properly last time. Your documents have been reopened.</source>
        <translation>%1 did not close properly last time. Your documents have been reopened.</translation>
    </message>
    <message>
        <source>These documents could not be found and were not reopened:</source>
        <translation>These documents could not be found and were not reopened:</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1?</source>
        <translation>Recover unsaved changes to %1?</translation>
    </message>
    <message>
        <source>The changes were kept when the document was last open. If you discard them, they cannot be brought back.</source>
        <translation>The changes were kept when the document was last open. If you discard them, they cannot be brought back.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recover</translation>
    </message>
    <message>
        <source>Failed to Recover</source>
        <translation>Failed to Recover</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 no longer fit the file.</source>
        <translation>The unsaved changes to %1 no longer fit the file.</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>Save as New File</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 are kept</source>
        <translation>Unsaved changes to %1 are kept</translation>
    </message>
    <message>
        <source>The document cannot be found at &quot;%1&quot; right now. Its changes are offered again once it is back there.</source>
        <translation>The document cannot be found at &quot;%1&quot; right now. Its changes are offered again once it is back there.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>The last session had more windows and tabs than are reopened at once. Documents not reopened: %1</source>
        <translation>The last session had more windows and tabs than are reopened at once. Documents not reopened: %1</translation>
    </message>
</context>
<context>
    <name>CSidePanel</name>
    <message>
        <source>Thumbnails</source>
        <translation>Thumbnails</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Bookmarks</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Annotations</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Attachments</translation>
    </message>
    <message>
        <source>This document has no bookmarks.</source>
        <translation>This document has no bookmarks.</translation>
    </message>
    <message>
        <source>This document has no attachments.</source>
        <translation>This document has no attachments.</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>Search Results</translation>
    </message>
    <message>
        <source>In a comment on page %1</source>
        <translation>In a comment on page %1</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Signatures</translation>
    </message>
</context>
<context>
    <name>CSignBox</name>
    <message>
        <source>Sign Document</source>
        <translation>Sign Document</translation>
    </message>
    <message>
        <source>Sign &quot;%1&quot; with a certificate of your certificate store. The signed document is saved as a new file; this one stays as it is.</source>
        <translation>Sign &quot;%1&quot; with a certificate of your certificate store. The signed document is saved as a new file; this one stays as it is.</translation>
    </message>
    <message>
        <source>Certificate store password</source>
        <translation>Certificate store password</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Unlock</translation>
    </message>
    <message>
        <source>Certificate:</source>
        <translation>Certificate:</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Certificate</translation>
    </message>
    <message>
        <source>Your certificate store has no certificate to sign with. Import one from a PKCS#12 file (.p12, .pfx).</source>
        <translation>Your certificate store has no certificate to sign with. Import one from a PKCS#12 file (.p12, .pfx).</translation>
    </message>
    <message>
        <source>Import Certificate...</source>
        <translation>Import Certificate...</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>For example: I approve this document</source>
        <translation>For example: I approve this document</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Reason:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Optional: a PNG or JPEG shown in the signature</source>
        <translation>Optional: a PNG or JPEG shown in the signature</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Choose a picture</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Picture:</translation>
    </message>
    <message>
        <source>Sign and Save As...</source>
        <translation>Sign and Save As...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Issued by %1, valid from %2 to %3</source>
        <translation>Issued by %1, valid from %2 to %3</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>Key usage: %1</translation>
    </message>
    <message>
        <source>This is not the password of your certificate store.</source>
        <translation>This is not the password of your certificate store.</translation>
    </message>
    <message>
        <source>Import Certificate</source>
        <translation>Import Certificate</translation>
    </message>
    <message>
        <source>Certificate Files (*.p12 *.pfx)</source>
        <translation>Certificate Files (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Password of the certificate file:</source>
        <translation>Password of the certificate file:</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Choose a Picture</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Pictures (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with, or import one.</source>
        <translation>Choose a certificate to sign with, or import one.</translation>
    </message>
    <message>
        <source>The picture must be a PNG or JPEG file.</source>
        <translation>The picture must be a PNG or JPEG file.</translation>
    </message>
</context>
<context>
    <name>CSignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Sign In</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
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
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CSignatureBar</name>
    <message>
        <source>Signatures</source>
        <translation>Signatures</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>Sign Document</translation>
    </message>
    <message>
        <source>Signature Panel</source>
        <translation>Signature Panel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Close the signature bar</source>
        <translation>Close the signature bar</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>an unknown signer</translation>
    </message>
    <message>
        <source>Signed by %1, every signature is valid.</source>
        <translation>Signed by %1, every signature is valid.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is valid.</source>
        <translation>Signed by %1, the signature is valid.</translation>
    </message>
    <message>
        <source>Signed by %1; the document was changed after %2 signed it.</source>
        <translation>Signed by %1; the document was changed after %2 signed it.</translation>
    </message>
    <message>
        <source>Signed by %1, the document was changed after signing.</source>
        <translation>Signed by %1, the document was changed after signing.</translation>
    </message>
    <message>
        <source>Signed by %1; the certificate of %2 is not trusted.</source>
        <translation>Signed by %1; the certificate of %2 is not trusted.</translation>
    </message>
    <message>
        <source>Signed by %1, the certificate is not trusted.</source>
        <translation>Signed by %1, the certificate is not trusted.</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 is not valid.</source>
        <translation>Signed by %1; the signature of %2 is not valid.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is not valid.</source>
        <translation>Signed by %1, the signature is not valid.</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 cannot be checked.</source>
        <translation>Signed by %1; the signature of %2 cannot be checked.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature cannot be checked.</source>
        <translation>Signed by %1, the signature cannot be checked.</translation>
    </message>
    <message>
        <source>This document has a signature field waiting to be signed.</source>
        <translation>This document has a signature field waiting to be signed.</translation>
    </message>
    <message>
        <source>The signatures cannot be checked: the file changed since it was opened.</source>
        <translation>The signatures cannot be checked: the file changed since it was opened.</translation>
    </message>
    <message>
        <source>Drag a box on a page for the signature, or click an empty signature field. Enter places it on the current page; Esc cancels.</source>
        <translation>Drag a box on a page for the signature, or click an empty signature field. Enter places it on the current page; Esc cancels.</translation>
    </message>
</context>
<context>
    <name>CSignatureController</name>
    <message>
        <source>Failed to Sign</source>
        <translation>Failed to Sign</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Failed to Open</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before signing?</source>
        <translation>Save the changes to &quot;%1&quot; before signing?</translation>
    </message>
    <message>
        <source>A signature covers the document as it is saved.</source>
        <translation>A signature covers the document as it is saved.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save Signed Document</source>
        <translation>Save Signed Document</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF Files (*.pdf)</translation>
    </message>
    <message>
        <source>Digitally signed by %1</source>
        <translation>Digitally signed by %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Reason: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Location: %1</translation>
    </message>
    <message>
        <source>%1 (as signed by %2).pdf</source>
        <translation>%1 (as signed by %2).pdf</translation>
    </message>
    <message>
        <source>unknown signer</source>
        <translation>unknown signer</translation>
    </message>
</context>
<context>
    <name>CSignaturePanel</name>
    <message>
        <source>Signatures</source>
        <translation>Signatures</translation>
    </message>
    <message>
        <source>Open Signed Version</source>
        <translation>Open Signed Version</translation>
    </message>
    <message>
        <source>Opens the document as it was when the selected signature was made, in a new tab.</source>
        <translation>Opens the document as it was when the selected signature was made, in a new tab.</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>Sign Document</translation>
    </message>
    <message>
        <source>The signature is valid.</source>
        <translation>The signature is valid.</translation>
    </message>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>The signature cannot be checked.</translation>
    </message>
    <message>
        <source>The signature is intact, but the certificate is not trusted.</source>
        <translation>The signature is intact, but the certificate is not trusted.</translation>
    </message>
    <message>
        <source>The document was changed after signing.</source>
        <translation>The document was changed after signing.</translation>
    </message>
    <message>
        <source>The signature is not valid.</source>
        <translation>The signature is not valid.</translation>
    </message>
    <message>
        <source>Not signed yet.</source>
        <translation>Not signed yet.</translation>
    </message>
    <message>
        <source>The certificate is trusted.</source>
        <translation>The certificate is trusted.</translation>
    </message>
    <message>
        <source>Its issuer is marked as not trusted.</source>
        <translation>Its issuer is marked as not trusted.</translation>
    </message>
    <message>
        <source>Its issuer is not among the trusted certificates of this computer.</source>
        <translation>Its issuer is not among the trusted certificates of this computer.</translation>
    </message>
    <message>
        <source>The certificate was revoked by its issuer.</source>
        <translation>The certificate was revoked by its issuer.</translation>
    </message>
    <message>
        <source>The certificate was not valid at the time of signing.</source>
        <translation>The certificate was not valid at the time of signing.</translation>
    </message>
    <message>
        <source>The certificate could not be checked.</source>
        <translation>The certificate could not be checked.</translation>
    </message>
    <message>
        <source>Checking the signatures...</source>
        <translation>Checking the signatures...</translation>
    </message>
    <message>
        <source>This document has no signatures.</source>
        <translation>This document has no signatures.</translation>
    </message>
    <message>
        <source>Unknown signer</source>
        <translation>Unknown signer</translation>
    </message>
    <message>
        <source>Empty signature field %1</source>
        <translation>Empty signature field %1</translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; on page %2</source>
        <translation>Field &quot;%1&quot; on page %2</translation>
    </message>
    <message>
        <source>On page %1</source>
        <translation>On page %1</translation>
    </message>
    <message>
        <source>Signed on %1</source>
        <translation>Signed on %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Reason: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Location: %1</translation>
    </message>
    <message>
        <source>Covers the whole document.</source>
        <translation>Covers the whole document.</translation>
    </message>
    <message>
        <source>Covers an earlier revision of the document (its first %1 bytes); later changes are not signed.</source>
        <translation>Covers an earlier revision of the document (its first %1 bytes); later changes are not signed.</translation>
    </message>
    <message>
        <source>Certificate issued by %1</source>
        <translation>Certificate issued by %1</translation>
    </message>
    <message>
        <source>The certificate is self-signed.</source>
        <translation>The certificate is self-signed.</translation>
    </message>
    <message>
        <source>Certificate valid from %1 to %2</source>
        <translation>Certificate valid from %1 to %2</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>Key usage: %1</translation>
    </message>
    <message>
        <source>Subject: %1</source>
        <translation>Subject: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Serial number: %1</translation>
    </message>
</context>
<context>
    <name>CSignatures</name>
    <message>
        <source>The signed document must be saved as a new file; the original stays as it is.</source>
        <translation>The signed document must be saved as a new file; the original stays as it is.</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with.</source>
        <translation>Choose a certificate to sign with.</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>The document could not be read.</translation>
    </message>
    <message>
        <source>The folder of the new file does not allow writing.</source>
        <translation>The folder of the new file does not allow writing.</translation>
    </message>
    <message>
        <source>The document could not be signed: there is no room for a temporary file.</source>
        <translation>The document could not be signed: there is no room for a temporary file.</translation>
    </message>
    <message>
        <source>The document has no signature field of this name.</source>
        <translation>The document has no signature field of this name.</translation>
    </message>
    <message>
        <source>This signature field is signed already.</source>
        <translation>This signature field is signed already.</translation>
    </message>
    <message>
        <source>Draw the place of the signature on a page first.</source>
        <translation>Draw the place of the signature on a page first.</translation>
    </message>
    <message>
        <source>The document could not be signed with this certificate. Its key may be missing from the store, or the store may be locked.</source>
        <translation>The document could not be signed with this certificate. Its key may be missing from the store, or the store may be locked.</translation>
    </message>
    <message>
        <source>The signed document could not be written to %1.</source>
        <translation>The signed document could not be written to %1.</translation>
    </message>
    <message>
        <source>The signed version is no longer in the file.</source>
        <translation>The signed version is no longer in the file.</translation>
    </message>
    <message>
        <source>The signed version could not be written to %1.</source>
        <translation>The signed version could not be written to %1.</translation>
    </message>
</context>
<context>
    <name>CSplitBox</name>
    <message>
        <source>Split Document</source>
        <translation>Split Document</translation>
    </message>
    <message>
        <source>Pages per file:</source>
        <translation>Pages per file:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>The %1 pages become %2 files.</source>
        <translation>The %1 pages become %2 files.</translation>
    </message>
</context>
<context>
    <name>CTabBar</name>
    <message>
        <source>Close Tab</source>
        <translation>Close Tab</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
</context>
<context>
    <name>CTabListWidget</name>
    <message>
        <source>Open Tabs</source>
        <translation>Open Tabs</translation>
    </message>
</context>
<context>
    <name>CTextOverlay</name>
    <message>
        <source>The text is too long: at most %1 characters can be added at once.</source>
        <translation>The text is too long: at most %1 characters can be added at once.</translation>
    </message>
    <message>
        <source>The text must start on the page.</source>
        <translation>The text must start on the page.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed.</source>
        <translation>The font &quot;%1&quot; is not installed.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no character for &quot;%2&quot;. Choose a font that has it.</source>
        <translation>The font &quot;%1&quot; has no character for &quot;%2&quot;. Choose a font that has it.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be embedded in a document. Choose another font.</source>
        <translation>The font &quot;%1&quot; cannot be embedded in a document. Choose another font.</translation>
    </message>
</context>
<context>
    <name>CTextRecognizer</name>
    <message>
        <source>no text recognition languages are installed</source>
        <translation>no text recognition languages are installed</translation>
    </message>
    <message>
        <source>no language data for &quot;%1&quot; is installed</source>
        <translation>no language data for &quot;%1&quot; is installed</translation>
    </message>
    <message>
        <source>no language chosen</source>
        <translation>no language chosen</translation>
    </message>
    <message>
        <source>the language data could not be read</source>
        <translation>the language data could not be read</translation>
    </message>
    <message>
        <source>no picture to read</source>
        <translation>no picture to read</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>the picture could not be read</source>
        <translation>the picture could not be read</translation>
    </message>
    <message>
        <source>the text could not be written</source>
        <translation>the text could not be written</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <source>You are using version %1.</source>
        <translation>You are using version %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Checking for updates...</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 is up to date.</translation>
    </message>
    <message>
        <source>A new version %1 is available.</source>
        <translation>A new version %1 is available.</translation>
    </message>
    <message>
        <source>Could not reach the update service. Please check your connection and try again.</source>
        <translation>Could not reach the update service. Please check your connection and try again.</translation>
    </message>
</context>
<context>
    <name>CWindowTitleBar</name>
    <message>
        <source>Main Menu</source>
        <translation>Main Menu</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>DisplayOption</name>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Default Page View</source>
        <translation>Default Page View</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Fit Page</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Fit Width</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Fit Height</translation>
    </message>
    <message>
        <source>Default Page Layout</source>
        <translation>Default Page Layout</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>Single Page View</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>Single Page Scrolling</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>Two Page View</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>Two Page Scrolling</translation>
    </message>
    <message>
        <source>Default Cursor</source>
        <translation>Default Cursor</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
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
        <translation>File</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Open Recents</source>
        <translation>Open Recents</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Create PDF</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Close Tab</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <source>Close All Windows</source>
        <translation>Close All Windows</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>Open File Location</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Document Properties</source>
        <translation>Document Properties</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>Single Page View</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>Single Page Scrolling</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>Two Page View</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>Two Page Scrolling</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Thumbnails</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Bookmarks</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>Annotations</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Attachments</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Fit Page</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Fit Width</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>Fit Height</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>Enter Read Mode</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>First Page</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Last Page</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Previous Page</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Next Page</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Go to Page</source>
        <translation>Go to Page</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Move Window to Left Side of Screen</source>
        <translation>Move Window to Left Side of Screen</translation>
    </message>
    <message>
        <source>Move Window to Right Side of Screen</source>
        <translation>Move Window to Right Side of Screen</translation>
    </message>
    <message>
        <source>Replace Tiled Window</source>
        <translation>Replace Tiled Window</translation>
    </message>
    <message>
        <source>Show Next Tab</source>
        <translation>Show Next Tab</translation>
    </message>
    <message>
        <source>Show Previous Tab</source>
        <translation>Show Previous Tab</translation>
    </message>
    <message>
        <source>Move Tab to New Window</source>
        <translation>Move Tab to New Window</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Bring All to Front</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Open in New Window</source>
        <translation>Open in New Window</translation>
    </message>
    <message>
        <source>Close Other Tabs</source>
        <translation>Close Other Tabs</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Close All Tabs</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>Follow System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Create Desktop Shortcut</source>
        <translation>Create Desktop Shortcut</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Set as Default</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>User Guide</translation>
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
        <translation>Support Center</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>Protect</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>Organize Pages</translation>
    </message>
    <message>
        <source>Page Colours</source>
        <translation>Page Colours</translation>
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
        <translation>High Contrast</translation>
    </message>
    <message>
        <source>Dark Pages with the Dark Appearance</source>
        <translation>Dark Pages with the Dark Appearance</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Rotate Left</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Rotate Right</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Presentation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Leave Read Mode</source>
        <translation>Leave Read Mode</translation>
    </message>
    <message>
        <source>Sign Document...</source>
        <translation>Sign Document...</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Signatures</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>Recognize Text</translation>
    </message>
    <message>
        <source>Edit Page Content</source>
        <translation>Edit Page Content</translation>
    </message>
</context>
<context>
    <name>GeneralOption</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Set %1 as default PDF reader</source>
        <translation>Set %1 as default PDF reader</translation>
    </message>
    <message>
        <source>Quit program when all windows are closed</source>
        <translation>Quit program when all windows are closed</translation>
    </message>
    <message>
        <source>Restore last view settings when reopening documents</source>
        <translation>Restore last view settings when reopening documents</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Display Language</source>
        <translation>Display Language</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>Follow System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Reopen documents from last time</source>
        <translation>Reopen documents from last time</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Open PDF</source>
        <translation>Open PDF</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Create PDF</translation>
    </message>
    <message>
        <source>Popular Tools</source>
        <translation>Popular Tools</translation>
    </message>
    <message>
        <source>Edit PDF</source>
        <translation>Edit PDF</translation>
    </message>
    <message>
        <source>Print PDF</source>
        <translation>Print PDF</translation>
    </message>
    <message>
        <source>Organize PDFs</source>
        <translation>Organize PDFs</translation>
    </message>
    <message>
        <source>Encrypt PDF</source>
        <translation>Encrypt PDF</translation>
    </message>
    <message>
        <source>Edit text, images and links in your PDF effortlessly</source>
        <translation>Edit text, images and links in your PDF effortlessly</translation>
    </message>
    <message>
        <source>Create a Blank Page PDF in a second</source>
        <translation>Create a Blank Page PDF in a second</translation>
    </message>
    <message>
        <source>Print your PDF document quickly and easily</source>
        <translation>Print your PDF document quickly and easily</translation>
    </message>
    <message>
        <source>Simply sort, add, delete PDF pages and etc.</source>
        <translation>Simply sort, add, delete PDF pages and etc.</translation>
    </message>
    <message>
        <source>Password protect your PDF from unauthorized access</source>
        <translation>Password protect your PDF from unauthorized access</translation>
    </message>
    <message>
        <source>You&apos;ve gone Incognito</source>
        <translation>You&apos;ve gone Incognito</translation>
    </message>
    <message>
        <source>The history of the files you have viewed will not be saved.</source>
        <translation>The history of the files you have viewed will not be saved.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Add text, pictures and links to pages; move, resize or delete pictures; change where links lead. Text that is already on a page cannot be changed.</source>
        <translation>Add text, pictures and links to pages; move, resize or delete pictures; change where links lead. Text that is already on a page cannot be changed.</translation>
    </message>
</context>
<context>
    <name>LogGuidBox</name>
    <message>
        <source>Log In Your Marvik Account</source>
        <translation>Log In Your Marvik Account</translation>
    </message>
    <message>
        <source>Work across desktop &amp; mobile</source>
        <translation>Work across desktop &amp; mobile</translation>
    </message>
    <message>
        <source>Support multiple languages</source>
        <translation>Support multiple languages</translation>
    </message>
    <message>
        <source>Free customer support</source>
        <translation>Free customer support</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Log In</translation>
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
        <translation>%1 %2 feedback</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Signed in as %1</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Sign Out</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>MKMessageBox</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>The file could not be renamed. It may be in use, or the folder may not allow changes.</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>Failed to Rename</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Failed to Open</translation>
    </message>
    <message>
        <source>The attachment could not be read from the document.</source>
        <translation>The attachment could not be read from the document.</translation>
    </message>
    <message>
        <source>The attachment could not be saved.</source>
        <translation>The attachment could not be saved.</translation>
    </message>
    <message>
        <source>Do you want to save changes to &quot;%1&quot; before closing?</source>
        <translation>Do you want to save changes to &quot;%1&quot; before closing?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>Your changes will be lost if you don&apos;t save them.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cannot Organize Pages</source>
        <translation>Cannot Organize Pages</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to organize it.</source>
        <translation>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to organize it.</translation>
    </message>
    <message>
        <source>Save the page changes to &quot;%1&quot;?</source>
        <translation>Save the page changes to &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>The reading view shows the pages once they are saved.</source>
        <translation>The reading view shows the pages once they are saved.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>The file might have been moved, damaged, or deleted.</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Startup Page</source>
        <translation>Startup Page</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Open PDF</translation>
    </message>
    <message>
        <source>Open Tabs</source>
        <translation>Open Tabs</translation>
    </message>
    <message>
        <source>Shortcut already exists.</source>
        <translation>Shortcut already exists.</translation>
    </message>
    <message>
        <source>Shortcut successfully created!</source>
        <translation>Shortcut successfully created!</translation>
    </message>
    <message>
        <source>Failed to create shortcuts.</source>
        <translation>Failed to create shortcuts.</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>Failed to Open</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Do you want to close all tabs or the current tab?</source>
        <translation>Do you want to close all tabs or the current tab?</translation>
    </message>
    <message>
        <source>Always close all tabs</source>
        <translation>Always close all tabs</translation>
    </message>
    <message>
        <source>Close Current Tab</source>
        <translation>Close Current Tab</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Close All Tabs</translation>
    </message>
    <message>
        <source>Do you want to set %1 as your default PDF viewer?</source>
        <translation>Do you want to set %1 as your default PDF viewer?</translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation>Don&apos;t show again</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Failed to Create PDF</source>
        <translation>Failed to Create PDF</translation>
    </message>
    <message>
        <source>The new document could not be written to &quot;%1&quot;. Check that the folder exists and that you may write there.</source>
        <translation>The new document could not be written to &quot;%1&quot;. Check that the folder exists and that you may write there.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an address on the network, not a file on this computer. Save the document, then open the saved file.</source>
        <translation>&quot;%1&quot; is an address on the network, not a file on this computer. Save the document, then open the saved file.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a PDF document.</source>
        <translation>&quot;%1&quot; is a folder, not a PDF document.</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>You do not have permission to read &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document, or it is too damaged to be recognised as one.</source>
        <translation>&quot;%1&quot; is not a PDF document, or it is too damaged to be recognised as one.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document but a file of another kind (%2).</source>
        <translation>&quot;%1&quot; is not a PDF document but a file of another kind (%2).</translation>
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
        <translation>Send anonymous usage statistics</translation>
    </message>
    <message>
        <source>Send crash reports</source>
        <translation>Send crash reports</translation>
    </message>
    <message>
        <source>Usage statistics count how often %1 starts and which features are used; a crash report holds what the program was doing when it crashed and the end of its log. Neither holds the names or content of your documents, and nothing is sent unless you tick it here.</source>
        <translation>Usage statistics count how often %1 starts and which features are used; a crash report holds what the program was doing when it crashed and the end of its log. Neither holds the names or content of your documents, and nothing is sent unless you tick it here.</translation>
    </message>
</context>
<context>
    <name>QWKDialogBar</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>RecentPage</name>
    <message>
        <source>Recents</source>
        <translation>Recents</translation>
    </message>
    <message>
        <source>Incognito Mode</source>
        <translation>Incognito Mode</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>List View</translation>
    </message>
    <message>
        <source>Grid View</source>
        <translation>Grid View</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Files you have recently viewed or worked with will be listed here</source>
        <translation>Files you have recently viewed or worked with will be listed here</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Open PDF</translation>
    </message>
    <message>
        <source>Are you sure to clear all the records?</source>
        <translation>Are you sure to clear all the records?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Recent Files</translation>
    </message>
</context>
<context>
    <name>ReportConsent</name>
    <message>
        <source>Help Improve %1</source>
        <translation>Help Improve %1</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics and crash reports?</source>
        <translation>Send anonymous usage statistics and crash reports?</translation>
    </message>
    <message>
        <source>They tell how often %1 starts and what made it crash, never which documents you open or anything about you. You can change this at any time in Preferences.</source>
        <translation>They tell how often %1 starts and what made it crash, never which documents you open or anything about you. You can change this at any time in Preferences.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
</context>
<context>
    <name>SettingOption</name>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Blank PDF</source>
        <translation>Blank PDF</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
</context>
</TS>
