<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AssocGuidBox</name>
    <message>
        <source>Two Steps to Set %1 as the Default PDF Viewer</source>
        <translation>兩個步驟將 %1 設為預設 PDF 檢視器</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>步驟 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>步驟 2</translation>
    </message>
    <message>
        <source>Click %1 below, then click %2 in the pop-up.</source>
        <translation>按一下下方的%1，然後在彈出視窗中按一下%2。</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>設為預設</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>變更</translation>
    </message>
    <message>
        <source>Select %1 from the list, then click %2 to apply changes.</source>
        <translation>從清單中選取 %1，然後按一下%2以套用變更。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>BlankOption</name>
    <message>
        <source>Blank PDF</source>
        <translation>空白 PDF</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>頁數</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>頁面大小</translation>
    </message>
    <message>
        <source>Fixed Size</source>
        <translation>固定大小</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>直向</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>橫向</translation>
    </message>
    <message>
        <source>Lock aspect ratio</source>
        <translation>鎖定長寬比</translation>
    </message>
    <message>
        <source>Unlock aspect ration</source>
        <translation>解除鎖定長寬比</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>保持長寬比</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>寬度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>關於 %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>%1 is a tabbed PDF reader for the desktop.</source>
        <translation>%1 是一款支援多分頁的桌面 PDF 閱讀器。</translation>
    </message>
    <message>
        <source>This application uses open-source libraries, each under its own license.</source>
        <translation>本應用程式使用了多個開放原始碼程式庫，各自依循其授權條款。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>CAnnotationLayer</name>
    <message>
        <source>Add %1</source>
        <translation>新增%1</translation>
    </message>
    <message>
        <source>Delete Comment</source>
        <translation>刪除註解</translation>
    </message>
    <message>
        <source>Edit Comment Text</source>
        <translation>編輯註解文字</translation>
    </message>
    <message>
        <source>Erase Comments</source>
        <translation>擦除註解</translation>
    </message>
    <message>
        <source>Move Comment</source>
        <translation>移動註解</translation>
    </message>
    <message>
        <source>Resize Comment</source>
        <translation>調整註解大小</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>編輯文字</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>Change Comment Color</source>
        <translation>變更註解顏色</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
</context>
<context>
    <name>CAnnotationPanel</name>
    <message>
        <source>Page %1 (%2)</source>
        <translation>第 %1 頁 (%2)</translation>
    </message>
    <message>
        <source>This document has no annotations.</source>
        <translation>此文件沒有註解。</translation>
    </message>
</context>
<context>
    <name>CChangeWatcher</name>
    <message>
        <source>Document Changed</source>
        <translation>文件已變更</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>「%1」已被其他程式變更。要重新載入並捨棄未儲存的變更嗎？</translation>
    </message>
    <message>
        <source>Keep My Version</source>
        <translation>保留我的版本</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新載入</translation>
    </message>
</context>
<context>
    <name>CClearEdit</name>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>CCommentController</name>
    <message>
        <source>Change Comment Color</source>
        <translation>變更註解顏色</translation>
    </message>
    <message>
        <source>Change Comment Opacity</source>
        <translation>變更註解不透明度</translation>
    </message>
    <message>
        <source>Change Line Width</source>
        <translation>變更線寬</translation>
    </message>
    <message>
        <source>Change Font Size</source>
        <translation>變更字型大小</translation>
    </message>
    <message>
        <source>Cannot Add Comments</source>
        <translation>無法新增註解</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow adding comments.</source>
        <translation>文件的權限不允許新增註解。</translation>
    </message>
</context>
<context>
    <name>CCommentOptions</name>
    <message>
        <source>Highlight</source>
        <translation>醒目提示</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>底線</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>刪除線</translation>
    </message>
    <message>
        <source>Squiggly</source>
        <translation>波浪線</translation>
    </message>
    <message>
        <source>Sticky Note</source>
        <translation>便利貼</translation>
    </message>
    <message>
        <source>Text Box</source>
        <translation>文字方塊</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>畫筆</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>橢圓</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>箭頭</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>橡皮擦</translation>
    </message>
</context>
<context>
    <name>CCommentToolBar</name>
    <message>
        <source>Select Comments</source>
        <translation>選取註解</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>更多顏色...</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>粗細</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>線寬</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>字型大小</translation>
    </message>
    <message>
        <source>Close Comment Tools</source>
        <translation>關閉註解工具</translation>
    </message>
</context>
<context>
    <name>CDocumentSaver</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存新檔</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Save</source>
        <translation>無法儲存</translation>
    </message>
    <message>
        <source>Cannot Change Protection</source>
        <translation>無法變更保護</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot; with the protected version?</source>
        <translation>以受保護的版本取代「%1」？</translation>
    </message>
    <message>
        <source>The file will need the password to open from now on.</source>
        <translation>今後開啟此檔案需要密碼。</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>取代</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>另存為新檔案</translation>
    </message>
    <message>
        <source>Remove the password from &quot;%1&quot;?</source>
        <translation>移除「%1」的密碼？</translation>
    </message>
    <message>
        <source>Anyone will be able to open the file.</source>
        <translation>任何人都能開啟該檔案。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Saving will break the signatures of &quot;%1&quot;.</source>
        <translation>儲存將使「%1」的簽章失效。</translation>
    </message>
    <message>
        <source>Changed pages or protection rewrite the whole file, and the signatures in it will no longer be valid. Save as a new file to keep the signed original.</source>
        <translation>變更的頁面或保護會重寫整個檔案，檔案中的簽章將不再有效。請另存為新檔案以保留已簽署的原始檔案。</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>仍然儲存</translation>
    </message>
</context>
<context>
    <name>CDocumentToolBar</name>
    <message>
        <source>Thumbnails</source>
        <translation>縮圖</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>尋找 (Ctrl+F)</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>整理頁面</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>實際大小</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>符合頁面</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>符合寬度</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>符合高度</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>進入閱讀模式</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>註解</translation>
    </message>
    <message>
        <source>This document does not allow comments</source>
        <translation>此文件不允許註解</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>頁碼</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>縮放</translation>
    </message>
</context>
<context>
    <name>CEditRecovery</name>
    <message>
        <source>Recover Changes</source>
        <translation>復原變更</translation>
    </message>
</context>
<context>
    <name>CEditSession</name>
    <message>
        <source>Restore Page Changes</source>
        <translation>還原頁面變更</translation>
    </message>
    <message>
        <source>Restore Recognized Text</source>
        <translation>還原辨識的文字</translation>
    </message>
    <message>
        <source>Restore Page Edits</source>
        <translation>還原頁面編輯</translation>
    </message>
</context>
<context>
    <name>CEncryptBox</name>
    <message>
        <source>Encrypt PDF</source>
        <translation>加密 PDF</translation>
    </message>
    <message>
        <source>Set a password that is needed to open &quot;%1&quot;.</source>
        <translation>設定開啟「%1」所需的密碼。</translation>
    </message>
    <message>
        <source>Open password:</source>
        <translation>開啟密碼：</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>確認密碼：</translation>
    </message>
    <message>
        <source>Restrict printing and editing with a permissions password</source>
        <translation>使用權限密碼限制列印和編輯</translation>
    </message>
    <message>
        <source>Permissions password:</source>
        <translation>權限密碼：</translation>
    </message>
    <message>
        <source>Allow printing</source>
        <translation>允許列印</translation>
    </message>
    <message>
        <source>Allow copying text and images</source>
        <translation>允許複製文字和影像</translation>
    </message>
    <message>
        <source>Allow editing</source>
        <translation>允許編輯</translation>
    </message>
    <message>
        <source>Allow commenting</source>
        <translation>允許註解</translation>
    </message>
    <message>
        <source>Allow filling in forms</source>
        <translation>允許填寫表單</translation>
    </message>
    <message>
        <source>Allow inserting, deleting and rotating pages</source>
        <translation>允許插入、刪除和旋轉頁面</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>加密：</translation>
    </message>
    <message>
        <source>AES-256 (recommended)</source>
        <translation>AES-256(建議)</translation>
    </message>
    <message>
        <source>AES-128 (for older readers)</source>
        <translation>AES-128(適用於較舊的閱讀器)</translation>
    </message>
    <message>
        <source>Remove Protection</source>
        <translation>移除保護</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save as New File...</source>
        <translation>另存為新檔案...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>強</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>強度：%1</translation>
    </message>
    <message>
        <source>Enter a password to open the document.</source>
        <translation>請輸入開啟文件的密碼。</translation>
    </message>
    <message>
        <source>The passwords do not match. Type the open password again in both fields.</source>
        <translation>密碼不一致。請在兩個欄位中重新輸入開啟密碼。</translation>
    </message>
    <message>
        <source>Enter a permissions password, or turn the restrictions off.</source>
        <translation>請輸入權限密碼，或關閉限制。</translation>
    </message>
    <message>
        <source>The permissions passwords do not match. Type it again in both fields.</source>
        <translation>權限密碼不一致。請在兩個欄位中重新輸入。</translation>
    </message>
    <message>
        <source>The permissions password must differ from the open password.</source>
        <translation>權限密碼必須與開啟密碼不同。</translation>
    </message>
</context>
<context>
    <name>CFileListView</name>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>釘選</translation>
    </message>
    <message>
        <source>Unpin</source>
        <translation>取消釘選</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>開啟檔案位置</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>從清單中移除</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>無法開啟</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>檔案可能已被移動、損毀或刪除。</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>無法重新命名</translation>
    </message>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>無法重新命名檔案。檔案可能正在使用中，或資料夾不允許變更。</translation>
    </message>
</context>
<context>
    <name>CFindBar</name>
    <message>
        <source>Find in document</source>
        <translation>在文件中尋找</translation>
    </message>
    <message>
        <source>Previous Match (Shift+F3)</source>
        <translation>上一個相符項目 (Shift+F3)</translation>
    </message>
    <message>
        <source>Next Match (F3)</source>
        <translation>下一個相符項目 (F3)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>大小寫須相符</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>全字拼寫須相符</translation>
    </message>
    <message>
        <source>Show All Results</source>
        <translation>顯示所有結果</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>關閉 (Esc)</translation>
    </message>
    <message>
        <source>No text in this document</source>
        <translation>此文件中沒有文字</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>第 %1 個，共 %2 個</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>沒有結果</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop Searching</source>
        <translation>停止搜尋</translation>
    </message>
    <message>
        <source>%1 of %2, %3 of %4 pages searched</source>
        <translation>第 %1 個，共 %2 個；已搜尋 %3/%4 頁</translation>
    </message>
    <message>
        <source>%1 found, %2 of %3 pages searched</source>
        <translation>找到 %1 個；已搜尋 %2/%3 頁</translation>
    </message>
    <message>
        <source>%1 of %2, stopped after %3 of %4 pages</source>
        <translation>第 %1 個，共 %2 個；在 %3/%4 頁後停止</translation>
    </message>
    <message>
        <source>%1 found, stopped after %2 of %3 pages</source>
        <translation>找到 %1 個；在 %2/%3 頁後停止</translation>
    </message>
</context>
<context>
    <name>CFormBar</name>
    <message>
        <source>Highlight Fields</source>
        <translation>醒目提示欄位</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>This document contains form fields you can fill in.</source>
        <translation>此文件包含可填寫的表單欄位。</translation>
    </message>
    <message>
        <source>This document contains form fields, but its permissions do not allow filling them in.</source>
        <translation>此文件包含表單欄位，但其權限不允許填寫。</translation>
    </message>
    <message>
        <source>This form uses XFA, which is not supported. Its fields cannot be shown or filled in here.</source>
        <translation>此表單使用不受支援的 XFA，無法在此顯示或填寫其欄位。</translation>
    </message>
</context>
<context>
    <name>CFormLayer</name>
    <message>
        <source>Reset Form</source>
        <translation>重設表單</translation>
    </message>
    <message>
        <source>Fill In Form</source>
        <translation>填寫表單</translation>
    </message>
</context>
<context>
    <name>CGotoPageBox</name>
    <message>
        <source>Go to Page</source>
        <translation>前往頁面</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>頁碼</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>共 %1 頁</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>前往</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>頁碼</translation>
    </message>
</context>
<context>
    <name>CLinkActions</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Open this link?</source>
        <translation>開啟此連結?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot;, which another program will open.</source>
        <translation>文件連結至「%1」,將由其他程式開啟。</translation>
    </message>
    <message>
        <source>Cannot Open the Linked File</source>
        <translation>無法開啟連結的檔案</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>找不到「%1」。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Open this file?</source>
        <translation>開啟此檔案?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot; (%2), which another program will open.</source>
        <translation>文件連結至「%1」(%2),將由其他程式開啟。</translation>
    </message>
</context>
<context>
    <name>CLinkLayer</name>
    <message>
        <source>Go to page %1</source>
        <translation>前往第 %1 頁</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>寫信給 %1</translation>
    </message>
    <message>
        <source>Open %1 at page %2</source>
        <translation>在第 %2 頁開啟 %1</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>開啟 %1</translation>
    </message>
    <message>
        <source>Viewer command: %1</source>
        <translation>檢視器命令:%1</translation>
    </message>
    <message>
        <source>Runs the program %1; links that run programs are not followed</source>
        <translation>執行程式 %1;不會跟隨執行程式的連結</translation>
    </message>
    <message>
        <source>Runs a script; links that run scripts are not followed</source>
        <translation>執行指令碼;不會跟隨執行指令碼的連結</translation>
    </message>
</context>
<context>
    <name>CLinkTargetBox</name>
    <message>
        <source>Link Target</source>
        <translation>連結目標</translation>
    </message>
    <message>
        <source>Page of this document</source>
        <translation>本文件的頁面</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>頁碼</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>網址</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CLoadingPage</name>
    <message>
        <source>Opening &quot;%1&quot;...</source>
        <translation>正在開啟「%1」...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CMemberManager</name>
    <message>
        <source>Could not reach the account service. Please check your connection and try again.</source>
        <translation>無法連線至帳號服務。請檢查網路連線後再試一次。</translation>
    </message>
    <message>
        <source>Signing in is already in progress.</source>
        <translation>正在登入中。</translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address.</source>
        <translation>請輸入有效的電子郵件地址。</translation>
    </message>
    <message>
        <source>Please enter your password.</source>
        <translation>請輸入密碼。</translation>
    </message>
    <message>
        <source>The e-mail address or password is incorrect.</source>
        <translation>電子郵件地址或密碼不正確。</translation>
    </message>
    <message>
        <source>The account service sent an answer that could not be read. Please try again later.</source>
        <translation>帳號服務傳回了無法讀取的回應。請稍後再試。</translation>
    </message>
</context>
<context>
    <name>CNssStore</name>
    <message>
        <source>The certificate store in %1 could not be opened.</source>
        <translation>無法開啟 %1 中的憑證存放區。</translation>
    </message>
    <message>
        <source>The certificate store is locked. Give its password first.</source>
        <translation>憑證存放區已鎖定。請先輸入其密碼。</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>無法讀取該檔案。</translation>
    </message>
    <message>
        <source>The file is not a certificate file (PKCS#12).</source>
        <translation>該檔案不是憑證檔案 (PKCS#12)。</translation>
    </message>
    <message>
        <source>The password does not open this certificate file.</source>
        <translation>此密碼無法開啟該憑證檔案。</translation>
    </message>
    <message>
        <source>The certificate could not be added to the store in %1.</source>
        <translation>無法將憑證新增到 %1 中的存放區。</translation>
    </message>
    <message>
        <source>The file holds no certificate with its private key, so it cannot sign.</source>
        <translation>該檔案不含帶有私密金鑰的憑證，因此無法簽署。</translation>
    </message>
    <message>
        <source>Digital signature</source>
        <translation>數位簽章</translation>
    </message>
    <message>
        <source>Non-repudiation</source>
        <translation>不可否認</translation>
    </message>
    <message>
        <source>Key encipherment</source>
        <translation>金鑰加密</translation>
    </message>
    <message>
        <source>Data encipherment</source>
        <translation>資料加密</translation>
    </message>
    <message>
        <source>Key agreement</source>
        <translation>金鑰協商</translation>
    </message>
    <message>
        <source>Certificate signing</source>
        <translation>憑證簽署</translation>
    </message>
    <message>
        <source>CRL signing</source>
        <translation>CRL 簽署</translation>
    </message>
    <message>
        <source>Encipher only</source>
        <translation>僅加密</translation>
    </message>
</context>
<context>
    <name>COpenController</name>
    <message>
        <source>Failed to Open</source>
        <translation>無法開啟</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>找不到「%1」。它可能已被移動、重新命名或刪除。</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>您沒有讀取「%1」的權限。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>「%1」已損毀，無法讀取。</translation>
    </message>
</context>
<context>
    <name>COrganizerBox</name>
    <message>
        <source>Rotate Left</source>
        <translation>向左旋轉</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>向右旋轉</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>刪除頁面</translation>
    </message>
    <message>
        <source>Duplicate Pages</source>
        <translation>複製頁面</translation>
    </message>
    <message>
        <source>Insert Blank Page</source>
        <translation>插入空白頁</translation>
    </message>
    <message>
        <source>Insert Pages from File</source>
        <translation>從檔案插入頁面</translation>
    </message>
    <message>
        <source>Extract Pages</source>
        <translation>擷取頁面</translation>
    </message>
    <message>
        <source>Split Document</source>
        <translation>分割文件</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>復原 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>重做 (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Move Pages</source>
        <translation>移動頁面</translation>
    </message>
    <message>
        <source>Pages: %1  Selected: %2</source>
        <translation>頁數：%1  已選：%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cannot Delete Pages</source>
        <translation>無法刪除頁面</translation>
    </message>
    <message>
        <source>A document needs at least one page. Keep one page or more.</source>
        <translation>文件至少需要一頁。請保留一頁或更多。</translation>
    </message>
    <message>
        <source>Cannot Insert Pages</source>
        <translation>無法插入頁面</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. It may be damaged or not a PDF file.</source>
        <translation>無法讀取「%1」。它可能已損毀或不是 PDF 檔案。</translation>
    </message>
    <message>
        <source>Insert Pages</source>
        <translation>插入頁面</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Extract Pages</source>
        <translation>擷取頁面失敗</translation>
    </message>
    <message>
        <source>Failed to Split Document</source>
        <translation>分割文件失敗</translation>
    </message>
</context>
<context>
    <name>COrganizerView</name>
    <message>
        <source>Pages</source>
        <translation>頁面</translation>
    </message>
</context>
<context>
    <name>CPageEditBar</name>
    <message>
        <source>Page Editing</source>
        <translation>頁面編輯</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選取</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>新增文字</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>新增圖片</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>新增連結</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字型</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>字型大小</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文字顏色</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>更多色彩...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Link Target...</source>
        <translation>連結目標...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Leave page editing</source>
        <translation>結束頁面編輯</translation>
    </message>
    <message>
        <source>Click where the text should start; Ctrl+Enter keeps it.</source>
        <translation>按一下文字的起始位置；按 Ctrl+Enter 確認。</translation>
    </message>
    <message>
        <source>Click where the picture should go.</source>
        <translation>按一下圖片要放置的位置。</translation>
    </message>
    <message>
        <source>Drag over the area that should become a link.</source>
        <translation>拖曳過要變成連結的區域。</translation>
    </message>
    <message>
        <source>Drag pictures to move them, their corners to resize them.</source>
        <translation>拖曳圖片可移動，拖曳其角落可調整大小。</translation>
    </message>
</context>
<context>
    <name>CPageEditController</name>
    <message>
        <source>Cannot Edit Pages</source>
        <translation>無法編輯頁面</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to edit them.</source>
        <translation>文件的權限不允許變更其頁面。請使用權限密碼開啟以編輯頁面。</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; first?</source>
        <translation>先儲存對「%1」的變更嗎？</translation>
    </message>
    <message>
        <source>Page editing starts from the saved document.</source>
        <translation>頁面編輯從已儲存的文件開始。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Save the page edits to &quot;%1&quot;?</source>
        <translation>將頁面編輯儲存到「%1」嗎？</translation>
    </message>
    <message>
        <source>Pages show their edits until you leave page editing.</source>
        <translation>在結束頁面編輯之前，頁面會顯示其編輯內容。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>捨棄</translation>
    </message>
    <message>
        <source>Cannot Edit the Page</source>
        <translation>無法編輯該頁面</translation>
    </message>
    <message>
        <source>The document has no page %1.</source>
        <translation>文件沒有第 %1 頁。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address a link can lead to.</source>
        <translation>「%1」不是連結可以指向的網址。</translation>
    </message>
    <message>
        <source>The change does not fit the page.</source>
        <translation>該變更不適合此頁面。</translation>
    </message>
    <message>
        <source>The text could not be added here.</source>
        <translation>無法在此處新增文字。</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>新增文字</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read.</source>
        <translation>無法讀取圖片「%1」。</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>新增圖片</translation>
    </message>
    <message>
        <source>Resize Picture</source>
        <translation>調整圖片大小</translation>
    </message>
    <message>
        <source>Move Picture</source>
        <translation>移動圖片</translation>
    </message>
    <message>
        <source>Resize Text</source>
        <translation>調整文字大小</translation>
    </message>
    <message>
        <source>Move Text</source>
        <translation>移動文字</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>移除連結</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>刪除圖片</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>刪除文字</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>新增連結</translation>
    </message>
    <message>
        <source>Change Link</source>
        <translation>變更連結</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>圖片 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The change could not be made (%1).</source>
        <translation>無法進行變更（%1）。</translation>
    </message>
</context>
<context>
    <name>CPageEditLayer</name>
    <message>
        <source>Text to add</source>
        <translation>要新增的文字</translation>
    </message>
    <message>
        <source>Leads nowhere</source>
        <translation>不指向任何位置</translation>
    </message>
    <message>
        <source>Double-click to change where it leads</source>
        <translation>按兩下可變更其指向</translation>
    </message>
</context>
<context>
    <name>CPageView</name>
    <message>
        <source>The document&apos;s permissions do not allow copying its text.</source>
        <translation>文件的權限不允許複製其中的文字。</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 頁,共 %2 頁</translation>
    </message>
</context>
<context>
    <name>CPasswordBox</name>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected. Enter the password to open it.</source>
        <translation>「%1」受密碼保護。請輸入密碼以開啟。</translation>
    </message>
    <message>
        <source>Incorrect password. Please try again.</source>
        <translation>密碼不正確，請再試一次。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
</context>
<context>
    <name>CPdfImage</name>
    <message>
        <source>The file is not a PNG or JPEG picture.</source>
        <translation>該檔案不是 PNG 或 JPEG 圖片。</translation>
    </message>
    <message>
        <source>The picture is too large or damaged.</source>
        <translation>圖片過大或已損壞。</translation>
    </message>
</context>
<context>
    <name>CPdfPrinter</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cannot Print</source>
        <translation>無法列印</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow printing it. Open it with its permissions password to print it.</source>
        <translation>文件的權限不允許列印。請使用權限密碼開啟文件後再列印。</translation>
    </message>
    <message>
        <source>Failed to Print</source>
        <translation>列印失敗</translation>
    </message>
    <message>
        <source>No printer and no file to print to were chosen.</source>
        <translation>未選擇印表機，也未選擇要列印到的檔案。</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Preparing the pages...</source>
        <translation>正在準備頁面...</translation>
    </message>
    <message>
        <source>Sending to &quot;%1&quot;...</source>
        <translation>正在傳送到「%1」...</translation>
    </message>
    <message>
        <source>Writing &quot;%1&quot;...</source>
        <translation>正在寫入「%1」...</translation>
    </message>
</context>
<context>
    <name>CPresentationView</name>
    <message>
        <source>Presentation</source>
        <translation>簡報</translation>
    </message>
</context>
<context>
    <name>CPrintJob</name>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>文件中沒有頁面「%1」。</translation>
    </message>
    <message>
        <source>No temporary folder could be made for the print job (%1).</source>
        <translation>無法為列印工作建立暫存資料夾（%1）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: its folder or the file does not allow changes. Print to another file.</source>
        <translation>無法寫入「%1」：其資料夾或該檔案不允許變更。請列印到其他檔案。</translation>
    </message>
    <message>
        <source>The printing service does not answer at %1.</source>
        <translation>%1 上的列印服務沒有回應。</translation>
    </message>
    <message>
        <source>No printer is set up (%1).</source>
        <translation>尚未設定印表機（%1）。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be found (%2).</source>
        <translation>找不到印表機「%1」（%2）。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation>印表機「%1」未接受該工作：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being printed. Print to another file.</source>
        <translation>「%1」是正在列印的文件。請列印到其他檔案。</translation>
    </message>
</context>
<context>
    <name>CPropertiesBox</name>
    <message>
        <source>Document Properties</source>
        <translation>文件內容</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>主旨</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>關鍵字</translation>
    </message>
    <message>
        <source>Creator</source>
        <translation>建立者</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>製作程式</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>建立日期</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>修改日期</translation>
    </message>
    <message>
        <source>PDF Version</source>
        <translation>PDF 版本</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>頁數</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>頁面大小</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>檔案大小</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>安全性</translation>
    </message>
    <message>
        <source>Password protected</source>
        <translation>受密碼保護</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>CRecognizeBar</name>
    <message>
        <source>Text recognition</source>
        <translation>文字辨識</translation>
    </message>
    <message>
        <source>This page</source>
        <translation>此頁</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>所有頁面</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>頁面：</translation>
    </message>
    <message>
        <source>Pages to recognize</source>
        <translation>要辨識的頁面</translation>
    </message>
    <message>
        <source>e.g. 1-3, 5</source>
        <translation>例如 1-3, 5</translation>
    </message>
    <message>
        <source>Page numbers to recognize</source>
        <translation>要辨識的頁碼</translation>
    </message>
    <message>
        <source>Languages of the text</source>
        <translation>文字的語言</translation>
    </message>
    <message>
        <source>The languages the pages are written in</source>
        <translation>頁面所用的語言</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>辨識文字</translation>
    </message>
    <message>
        <source>Recognition progress</source>
        <translation>辨識進度</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel text recognition</source>
        <translation>取消文字辨識</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Close the text recognition bar</source>
        <translation>關閉文字辨識列</translation>
    </message>
    <message>
        <source>No language</source>
        <translation>無語言</translation>
    </message>
    <message>
        <source>Recognizing text, pages done: %1 of %2</source>
        <translation>正在辨識文字，已完成頁數：%1/%2</translation>
    </message>
</context>
<context>
    <name>CRecognizeController</name>
    <message>
        <source>eng</source>
        <comment>The text recognition language of this translation, as its data file is named (ISO 639-2: deu, fra, chi_sim...)</comment>
        <translation>chi_tra</translation>
    </message>
    <message>
        <source>No text recognition languages are installed.</source>
        <translation>未安裝文字辨識語言。</translation>
    </message>
    <message>
        <source>This page is a scan without text. No text recognition languages are installed.</source>
        <translation>此頁是沒有文字的掃描檔。未安裝文字辨識語言。</translation>
    </message>
    <message>
        <source>This page is a scan without text.</source>
        <translation>此頁是沒有文字的掃描檔。</translation>
    </message>
    <message>
        <source>This page has text already; only pages without text are recognized.</source>
        <translation>此頁已有文字；只會辨識沒有文字的頁面。</translation>
    </message>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>文件中沒有頁面「%1」。</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>辨識文字</translation>
    </message>
    <message>
        <source>Done: the text can now be searched, selected and copied. Save to keep it.</source>
        <translation>完成：現在可以搜尋、選取和複製文字。儲存即可保留。</translation>
    </message>
    <message>
        <source>Every page chosen has text already. Nothing was changed.</source>
        <translation>所選頁面都已有文字。未做任何變更。</translation>
    </message>
    <message>
        <source>Text recognition was cancelled. Nothing was changed.</source>
        <translation>文字辨識已取消。未做任何變更。</translation>
    </message>
    <message>
        <source>Text recognition failed (%1). Nothing was changed.</source>
        <translation>文字辨識失敗（%1）。未做任何變更。</translation>
    </message>
</context>
<context>
    <name>CRenameBox</name>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>The file name cannot be empty.</source>
        <translation>檔案名稱不可空白。</translation>
    </message>
    <message>
        <source>A file name can&apos;t contain any of the following characters: \ / : * ? &quot; &lt; &gt; |</source>
        <translation>檔案名稱不可包含下列任何字元：\ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>此名稱無法作為檔案名稱。</translation>
    </message>
    <message>
        <source>A file with this name already exists.</source>
        <translation>已有同名的檔案。</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>新名稱</translation>
    </message>
</context>
<context>
    <name>CReviewDialog</name>
    <message>
        <source>Enjoying %1?</source>
        <translation>喜歡 %1 嗎？</translation>
    </message>
    <message>
        <source>Rate Now</source>
        <translation>立即評分</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍後</translation>
    </message>
    <message>
        <source>Don&apos;t Ask Again</source>
        <translation>不要再詢問</translation>
    </message>
</context>
<context>
    <name>CSavePipeline</name>
    <message>
        <source>&quot;%1&quot; was moved or deleted while it was open. Nothing was written.</source>
        <translation>「%1」在開啟期間被移動或刪除。未寫入任何內容。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program while it was open. Nothing was written; open it again to make your changes.</source>
        <translation>「%1」在開啟期間被其他程式變更。未寫入任何內容；請重新開啟後再進行變更。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read (%2). Nothing was written.</source>
        <translation>無法讀取「%1」(%2)。未寫入任何內容。</translation>
    </message>
    <message>
        <source>This document was opened with its open password only. To change its protection, open it with its permissions password.</source>
        <translation>此文件僅使用開啟密碼開啟。若要變更其保護，請使用權限密碼開啟。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not allow changes. Choose another folder with Save As.</source>
        <translation>資料夾「%1」不允許變更。請用「另存新檔」選擇其他資料夾。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only. Choose another file with Save As.</source>
        <translation>「%1」為唯讀。請用「另存新檔」選擇其他檔案。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2). The file was left as it was.</source>
        <translation>無法寫入「%1」(%2)。檔案維持原狀。</translation>
    </message>
    <message>
        <source>The changes could not be prepared for writing (%1). Nothing was written.</source>
        <translation>無法準備要寫入的變更(%1)。未寫入任何內容。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved but could not be opened again (%2).</source>
        <translation>「%1」已儲存，但無法再次開啟(%2)。</translation>
    </message>
</context>
<context>
    <name>CSearchResultModel</name>
    <message>
        <source>Page %1</source>
        <translation>第 %1 頁</translation>
    </message>
</context>
<context>
    <name>CSessionKeeper</name>
    <message>
        <source>%1 did not close properly last time. Your documents have been reopened.</source>
        <translation>%1 上次未正常關閉。已重新開啟您的文件。</translation>
    </message>
    <message>
        <source>These documents could not be found and were not reopened:</source>
        <translation>下列文件找不到,未重新開啟:</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1?</source>
        <translation>要復原對 %1 未儲存的變更嗎?</translation>
    </message>
    <message>
        <source>The changes were kept when the document was last open. If you discard them, they cannot be brought back.</source>
        <translation>這些變更在文件上次開啟時已保留。如果捨棄,將無法找回。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>捨棄</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Failed to Recover</source>
        <translation>復原失敗</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 no longer fit the file.</source>
        <translation>對 %1 未儲存的變更已與檔案不符。</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>另存為新檔案</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 are kept</source>
        <translation>%1 的未儲存變更已保留</translation>
    </message>
    <message>
        <source>The document cannot be found at &quot;%1&quot; right now. Its changes are offered again once it is back there.</source>
        <translation>目前在「%1」找不到此文件。文件回到該位置後，會再次提供其變更。</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>The last session had more windows and tabs than are reopened at once. Documents not reopened: %1</source>
        <translation>上次工作階段的視窗和分頁多於一次能重新開啟的數量。未重新開啟的文件：%1</translation>
    </message>
</context>
<context>
    <name>CSidePanel</name>
    <message>
        <source>Thumbnails</source>
        <translation>縮圖</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>書籤</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>註解</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>附件</translation>
    </message>
    <message>
        <source>This document has no bookmarks.</source>
        <translation>此文件沒有書籤。</translation>
    </message>
    <message>
        <source>This document has no attachments.</source>
        <translation>此文件沒有附件。</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>搜尋結果</translation>
    </message>
    <message>
        <source>In a comment on page %1</source>
        <translation>在第 %1 頁的註解中</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>簽章</translation>
    </message>
</context>
<context>
    <name>CSignBox</name>
    <message>
        <source>Sign Document</source>
        <translation>簽署文件</translation>
    </message>
    <message>
        <source>Sign &quot;%1&quot; with a certificate of your certificate store. The signed document is saved as a new file; this one stays as it is.</source>
        <translation>使用憑證存放區中的憑證簽署「%1」。簽署後的文件會另存為新檔案，原檔案保持不變。</translation>
    </message>
    <message>
        <source>Certificate store password</source>
        <translation>憑證存放區密碼</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>解除鎖定</translation>
    </message>
    <message>
        <source>Certificate:</source>
        <translation>憑證：</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>憑證</translation>
    </message>
    <message>
        <source>Your certificate store has no certificate to sign with. Import one from a PKCS#12 file (.p12, .pfx).</source>
        <translation>憑證存放區中沒有可用於簽署的憑證。請從 PKCS#12 檔案 (.p12, .pfx) 匯入。</translation>
    </message>
    <message>
        <source>Import Certificate...</source>
        <translation>匯入憑證...</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>For example: I approve this document</source>
        <translation>例如：我核准此文件</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>原因：</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地點</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>地點：</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>Optional: a PNG or JPEG shown in the signature</source>
        <translation>選用：簽章中顯示的 PNG 或 JPEG 圖片</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選擇...</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>選擇圖片</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>圖片：</translation>
    </message>
    <message>
        <source>Sign and Save As...</source>
        <translation>簽署並另存新檔...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Issued by %1, valid from %2 to %3</source>
        <translation>簽發者 %1，有效期間 %2 至 %3</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>金鑰用途：%1</translation>
    </message>
    <message>
        <source>This is not the password of your certificate store.</source>
        <translation>這不是憑證存放區的密碼。</translation>
    </message>
    <message>
        <source>Import Certificate</source>
        <translation>匯入憑證</translation>
    </message>
    <message>
        <source>Certificate Files (*.p12 *.pfx)</source>
        <translation>憑證檔案 (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Password of the certificate file:</source>
        <translation>憑證檔案密碼：</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>選擇圖片</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>圖片 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with, or import one.</source>
        <translation>請選擇用於簽署的憑證，或匯入一個。</translation>
    </message>
    <message>
        <source>The picture must be a PNG or JPEG file.</source>
        <translation>圖片必須是 PNG 或 JPEG 檔案。</translation>
    </message>
</context>
<context>
    <name>CSignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CSignatureBar</name>
    <message>
        <source>Signatures</source>
        <translation>簽章</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>簽署文件</translation>
    </message>
    <message>
        <source>Signature Panel</source>
        <translation>簽章面板</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Close the signature bar</source>
        <translation>關閉簽章列</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>未知簽署者</translation>
    </message>
    <message>
        <source>Signed by %1, every signature is valid.</source>
        <translation>由 %1 簽署，所有簽章皆有效。</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is valid.</source>
        <translation>由 %1 簽署，簽章有效。</translation>
    </message>
    <message>
        <source>Signed by %1; the document was changed after %2 signed it.</source>
        <translation>由 %1 簽署；%2 簽署後文件已被變更。</translation>
    </message>
    <message>
        <source>Signed by %1, the document was changed after signing.</source>
        <translation>由 %1 簽署，簽署後文件已被變更。</translation>
    </message>
    <message>
        <source>Signed by %1; the certificate of %2 is not trusted.</source>
        <translation>由 %1 簽署；%2 的憑證不受信任。</translation>
    </message>
    <message>
        <source>Signed by %1, the certificate is not trusted.</source>
        <translation>由 %1 簽署，憑證不受信任。</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 is not valid.</source>
        <translation>由 %1 簽署；%2 的簽章無效。</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is not valid.</source>
        <translation>由 %1 簽署，簽章無效。</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 cannot be checked.</source>
        <translation>由 %1 簽署；無法驗證 %2 的簽章。</translation>
    </message>
    <message>
        <source>Signed by %1, the signature cannot be checked.</source>
        <translation>由 %1 簽署，無法驗證簽章。</translation>
    </message>
    <message>
        <source>This document has a signature field waiting to be signed.</source>
        <translation>此文件有一個等待簽署的簽章欄位。</translation>
    </message>
    <message>
        <source>The signatures cannot be checked: the file changed since it was opened.</source>
        <translation>無法驗證簽章：檔案在開啟後已變更。</translation>
    </message>
    <message>
        <source>Drag a box on a page for the signature, or click an empty signature field. Enter places it on the current page; Esc cancels.</source>
        <translation>在頁面上拖曳出簽章框，或按一下空白的簽章欄位。按 Enter 放在目前頁面，按 Esc 取消。</translation>
    </message>
</context>
<context>
    <name>CSignatureController</name>
    <message>
        <source>Failed to Sign</source>
        <translation>簽署失敗</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>無法開啟</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before signing?</source>
        <translation>簽署前儲存對「%1」的變更嗎？</translation>
    </message>
    <message>
        <source>A signature covers the document as it is saved.</source>
        <translation>簽章涵蓋已儲存狀態的文件。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Save Signed Document</source>
        <translation>儲存已簽署的文件</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>Digitally signed by %1</source>
        <translation>由 %1 數位簽署</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>日期：%1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>原因：%1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>地點：%1</translation>
    </message>
    <message>
        <source>%1 (as signed by %2).pdf</source>
        <translation>%1（%2 簽署時的版本）.pdf</translation>
    </message>
    <message>
        <source>unknown signer</source>
        <translation>未知簽署者</translation>
    </message>
</context>
<context>
    <name>CSignaturePanel</name>
    <message>
        <source>Signatures</source>
        <translation>簽章</translation>
    </message>
    <message>
        <source>Open Signed Version</source>
        <translation>開啟簽署時的版本</translation>
    </message>
    <message>
        <source>Opens the document as it was when the selected signature was made, in a new tab.</source>
        <translation>在新分頁中開啟所選簽章當時的文件版本。</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>簽署文件</translation>
    </message>
    <message>
        <source>The signature is valid.</source>
        <translation>簽章有效。</translation>
    </message>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>無法驗證簽章。</translation>
    </message>
    <message>
        <source>The signature is intact, but the certificate is not trusted.</source>
        <translation>簽章完好，但憑證不受信任。</translation>
    </message>
    <message>
        <source>The document was changed after signing.</source>
        <translation>簽署後文件已被變更。</translation>
    </message>
    <message>
        <source>The signature is not valid.</source>
        <translation>簽章無效。</translation>
    </message>
    <message>
        <source>Not signed yet.</source>
        <translation>尚未簽署。</translation>
    </message>
    <message>
        <source>The certificate is trusted.</source>
        <translation>憑證受信任。</translation>
    </message>
    <message>
        <source>Its issuer is marked as not trusted.</source>
        <translation>其簽發者被標記為不受信任。</translation>
    </message>
    <message>
        <source>Its issuer is not among the trusted certificates of this computer.</source>
        <translation>其簽發者不在此電腦的受信任憑證中。</translation>
    </message>
    <message>
        <source>The certificate was revoked by its issuer.</source>
        <translation>憑證已被其簽發者撤銷。</translation>
    </message>
    <message>
        <source>The certificate was not valid at the time of signing.</source>
        <translation>簽署時憑證無效。</translation>
    </message>
    <message>
        <source>The certificate could not be checked.</source>
        <translation>無法驗證憑證。</translation>
    </message>
    <message>
        <source>Checking the signatures...</source>
        <translation>正在驗證簽章...</translation>
    </message>
    <message>
        <source>This document has no signatures.</source>
        <translation>此文件沒有簽章。</translation>
    </message>
    <message>
        <source>Unknown signer</source>
        <translation>未知簽署者</translation>
    </message>
    <message>
        <source>Empty signature field %1</source>
        <translation>空白簽章欄位 %1</translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; on page %2</source>
        <translation>第 %2 頁的欄位「%1」</translation>
    </message>
    <message>
        <source>On page %1</source>
        <translation>位於第 %1 頁</translation>
    </message>
    <message>
        <source>Signed on %1</source>
        <translation>簽署於 %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>原因：%1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>地點：%1</translation>
    </message>
    <message>
        <source>Covers the whole document.</source>
        <translation>涵蓋整份文件。</translation>
    </message>
    <message>
        <source>Covers an earlier revision of the document (its first %1 bytes); later changes are not signed.</source>
        <translation>涵蓋文件的較早版本（前 %1 位元組）；之後的變更未經簽署。</translation>
    </message>
    <message>
        <source>Certificate issued by %1</source>
        <translation>憑證簽發者：%1</translation>
    </message>
    <message>
        <source>The certificate is self-signed.</source>
        <translation>憑證為自我簽署憑證。</translation>
    </message>
    <message>
        <source>Certificate valid from %1 to %2</source>
        <translation>憑證有效期間 %1 至 %2</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>金鑰用途：%1</translation>
    </message>
    <message>
        <source>Subject: %1</source>
        <translation>主體：%1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>序號：%1</translation>
    </message>
</context>
<context>
    <name>CSignatures</name>
    <message>
        <source>The signed document must be saved as a new file; the original stays as it is.</source>
        <translation>已簽署的文件必須另存為新檔案；原檔案保持不變。</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with.</source>
        <translation>請選擇用於簽署的憑證。</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>無法讀取該文件。</translation>
    </message>
    <message>
        <source>The folder of the new file does not allow writing.</source>
        <translation>新檔案所在的資料夾不允許寫入。</translation>
    </message>
    <message>
        <source>The document could not be signed: there is no room for a temporary file.</source>
        <translation>無法簽署文件：沒有空間存放暫存檔。</translation>
    </message>
    <message>
        <source>The document has no signature field of this name.</source>
        <translation>文件中沒有此名稱的簽章欄位。</translation>
    </message>
    <message>
        <source>This signature field is signed already.</source>
        <translation>此簽章欄位已簽署。</translation>
    </message>
    <message>
        <source>Draw the place of the signature on a page first.</source>
        <translation>請先在頁面上畫出簽章的位置。</translation>
    </message>
    <message>
        <source>The document could not be signed with this certificate. Its key may be missing from the store, or the store may be locked.</source>
        <translation>無法使用此憑證簽署文件。存放區中可能缺少其金鑰，或存放區已鎖定。</translation>
    </message>
    <message>
        <source>The signed document could not be written to %1.</source>
        <translation>無法將已簽署的文件寫入 %1。</translation>
    </message>
    <message>
        <source>The signed version is no longer in the file.</source>
        <translation>檔案中已不再包含簽署時的版本。</translation>
    </message>
    <message>
        <source>The signed version could not be written to %1.</source>
        <translation>無法將簽署時的版本寫入 %1。</translation>
    </message>
</context>
<context>
    <name>CSplitBox</name>
    <message>
        <source>Split Document</source>
        <translation>分割文件</translation>
    </message>
    <message>
        <source>Pages per file:</source>
        <translation>每個檔案的頁數：</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>The %1 pages become %2 files.</source>
        <translation>%1 頁將成為 %2 個檔案。</translation>
    </message>
</context>
<context>
    <name>CTabBar</name>
    <message>
        <source>Close Tab</source>
        <translation>關閉分頁</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>文件</translation>
    </message>
</context>
<context>
    <name>CTabListWidget</name>
    <message>
        <source>Open Tabs</source>
        <translation>已開啟的分頁</translation>
    </message>
</context>
<context>
    <name>CTextOverlay</name>
    <message>
        <source>The text is too long: at most %1 characters can be added at once.</source>
        <translation>文字過長：一次最多可新增 %1 個字元。</translation>
    </message>
    <message>
        <source>The text must start on the page.</source>
        <translation>文字必須從頁面內開始。</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed.</source>
        <translation>字型「%1」未安裝。</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no character for &quot;%2&quot;. Choose a font that has it.</source>
        <translation>字型「%1」沒有「%2」這個字元。請選擇包含它的字型。</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be embedded in a document. Choose another font.</source>
        <translation>字型「%1」無法嵌入文件。請選擇其他字型。</translation>
    </message>
</context>
<context>
    <name>CTextRecognizer</name>
    <message>
        <source>no text recognition languages are installed</source>
        <translation>未安裝任何文字辨識語言</translation>
    </message>
    <message>
        <source>no language data for &quot;%1&quot; is installed</source>
        <translation>未安裝「%1」的語言資料</translation>
    </message>
    <message>
        <source>no language chosen</source>
        <translation>未選擇語言</translation>
    </message>
    <message>
        <source>the language data could not be read</source>
        <translation>無法讀取語言資料</translation>
    </message>
    <message>
        <source>no picture to read</source>
        <translation>沒有可辨識的影像</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>記憶體不足</translation>
    </message>
    <message>
        <source>the picture could not be read</source>
        <translation>無法辨識影像</translation>
    </message>
    <message>
        <source>the text could not be written</source>
        <translation>無法寫入文字</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>You are using version %1.</source>
        <translation>您目前使用的版本為 %1。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>正在檢查更新...</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 已是最新版本。</translation>
    </message>
    <message>
        <source>A new version %1 is available.</source>
        <translation>有新版本 %1 可供使用。</translation>
    </message>
    <message>
        <source>Could not reach the update service. Please check your connection and try again.</source>
        <translation>無法連線至更新服務。請檢查網路連線後再試一次。</translation>
    </message>
</context>
<context>
    <name>CWindowTitleBar</name>
    <message>
        <source>Main Menu</source>
        <translation>主選單</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>帳號</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>DisplayOption</name>
    <message>
        <source>Display</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>Default Page View</source>
        <translation>預設頁面檢視</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>實際大小</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>符合頁面</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>符合寬度</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>符合高度</translation>
    </message>
    <message>
        <source>Default Page Layout</source>
        <translation>預設頁面配置</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>單頁檢視</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>單頁捲動</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>雙頁檢視</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>雙頁捲動</translation>
    </message>
    <message>
        <source>Default Cursor</source>
        <translation>預設游標</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選取</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>手形</translation>
    </message>
</context>
<context>
    <name>DocumentMenu</name>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Open Recents</source>
        <translation>最近開啟</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>建立 PDF</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>關閉分頁</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <source>Close All Windows</source>
        <translation>關閉所有視窗</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存新檔</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>開啟檔案位置</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>分享</translation>
    </message>
    <message>
        <source>Document Properties</source>
        <translation>文件內容</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>View</source>
        <translation>檢視</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>單頁檢視</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>單頁捲動</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>雙頁檢視</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>雙頁捲動</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>縮圖</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>書籤</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>註解</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>附件</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>縮放</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>實際大小</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>符合頁面</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>符合寬度</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>符合高度</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>進入閱讀模式</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>前往</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>第一頁</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>最後一頁</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>向上</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>向下</translation>
    </message>
    <message>
        <source>Go to Page</source>
        <translation>前往頁面</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Move Window to Left Side of Screen</source>
        <translation>將視窗移到螢幕左側</translation>
    </message>
    <message>
        <source>Move Window to Right Side of Screen</source>
        <translation>將視窗移到螢幕右側</translation>
    </message>
    <message>
        <source>Replace Tiled Window</source>
        <translation>取代並排視窗</translation>
    </message>
    <message>
        <source>Show Next Tab</source>
        <translation>顯示下一個分頁</translation>
    </message>
    <message>
        <source>Show Previous Tab</source>
        <translation>顯示上一個分頁</translation>
    </message>
    <message>
        <source>Move Tab to New Window</source>
        <translation>將分頁移到新視窗</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>將全部移至最前</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>Open in New Window</source>
        <translation>在新視窗中開啟</translation>
    </message>
    <message>
        <source>Close Other Tabs</source>
        <translation>關閉其他分頁</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>關閉所有分頁</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外觀</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>跟隨系統</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Create Desktop Shortcut</source>
        <translation>建立桌面捷徑</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>設為預設</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>使用指南</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>常見問題</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>意見回饋</translation>
    </message>
    <message>
        <source>Support Center</source>
        <translation>支援中心</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>保護</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>整理頁面</translation>
    </message>
    <message>
        <source>Page Colours</source>
        <translation>頁面色彩</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>懷舊</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>高對比</translation>
    </message>
    <message>
        <source>Dark Pages with the Dark Appearance</source>
        <translation>深色外觀時使用深色頁面</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>註解</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>向左旋轉</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>向右旋轉</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>簡報</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Leave Read Mode</source>
        <translation>離開閱讀模式</translation>
    </message>
    <message>
        <source>Sign Document...</source>
        <translation>簽署文件...</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>簽章</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>辨識文字</translation>
    </message>
    <message>
        <source>Edit Page Content</source>
        <translation>編輯頁面內容</translation>
    </message>
</context>
<context>
    <name>GeneralOption</name>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Set %1 as default PDF reader</source>
        <translation>將 %1 設為預設 PDF 閱讀器</translation>
    </message>
    <message>
        <source>Quit program when all windows are closed</source>
        <translation>關閉所有視窗後結束程式</translation>
    </message>
    <message>
        <source>Restore last view settings when reopening documents</source>
        <translation>重新開啟文件時還原上次的檢視設定</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Display Language</source>
        <translation>顯示語言</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外觀</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>跟隨系統</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Reopen documents from last time</source>
        <translation>重新開啟上次的文件</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Open PDF</source>
        <translation>開啟 PDF</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>建立 PDF</translation>
    </message>
    <message>
        <source>Popular Tools</source>
        <translation>熱門工具</translation>
    </message>
    <message>
        <source>Edit PDF</source>
        <translation>編輯 PDF</translation>
    </message>
    <message>
        <source>Print PDF</source>
        <translation>列印 PDF</translation>
    </message>
    <message>
        <source>Organize PDFs</source>
        <translation>整理 PDF</translation>
    </message>
    <message>
        <source>Encrypt PDF</source>
        <translation>加密 PDF</translation>
    </message>
    <message>
        <source>Edit text, images and links in your PDF effortlessly</source>
        <translation>輕鬆編輯 PDF 中的文字、圖片和連結</translation>
    </message>
    <message>
        <source>Create a Blank Page PDF in a second</source>
        <translation>一秒建立空白頁 PDF</translation>
    </message>
    <message>
        <source>Print your PDF document quickly and easily</source>
        <translation>快速輕鬆地列印 PDF 文件</translation>
    </message>
    <message>
        <source>Simply sort, add, delete PDF pages and etc.</source>
        <translation>輕鬆排序、新增、刪除 PDF 頁面等</translation>
    </message>
    <message>
        <source>Password protect your PDF from unauthorized access</source>
        <translation>以密碼保護 PDF，防止未經授權的存取</translation>
    </message>
    <message>
        <source>You&apos;ve gone Incognito</source>
        <translation>您已進入無痕模式</translation>
    </message>
    <message>
        <source>The history of the files you have viewed will not be saved.</source>
        <translation>您檢視過的檔案將不會儲存至歷史記錄。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Add text, pictures and links to pages; move, resize or delete pictures; change where links lead. Text that is already on a page cannot be changed.</source>
        <translation>在頁面中新增文字、圖片和連結；移動、調整大小或刪除圖片；變更連結指向。頁面上既有的文字無法變更。</translation>
    </message>
</context>
<context>
    <name>LogGuidBox</name>
    <message>
        <source>Log In Your Marvik Account</source>
        <translation>登入您的 Marvik 帳號</translation>
    </message>
    <message>
        <source>Work across desktop &amp; mobile</source>
        <translation>桌面與行動裝置通用</translation>
    </message>
    <message>
        <source>Support multiple languages</source>
        <translation>支援多種語言</translation>
    </message>
    <message>
        <source>Free customer support</source>
        <translation>免費客戶支援</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>登入</translation>
    </message>
</context>
<context>
    <name>MKMainWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>System: %1</source>
        <translation>系統：%1</translation>
    </message>
    <message>
        <source>%1 %2 feedback</source>
        <translation>%1 %2 意見回饋</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>帳號</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>已登入：%1</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>登出</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>MKMessageBox</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>MainBox</name>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>無法重新命名檔案。檔案可能正在使用中，或資料夾不允許變更。</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>無法重新命名</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>無法開啟</translation>
    </message>
    <message>
        <source>The attachment could not be read from the document.</source>
        <translation>無法從文件中讀取附件。</translation>
    </message>
    <message>
        <source>The attachment could not be saved.</source>
        <translation>無法儲存附件。</translation>
    </message>
    <message>
        <source>Do you want to save changes to &quot;%1&quot; before closing?</source>
        <translation>關閉前是否要儲存對「%1」的變更？</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>如果不儲存，您所做的變更將會遺失。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>不要儲存</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Cannot Organize Pages</source>
        <translation>無法整理頁面</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to organize it.</source>
        <translation>文件的權限不允許變更其頁面。請使用權限密碼開啟後再整理。</translation>
    </message>
    <message>
        <source>Save the page changes to &quot;%1&quot;?</source>
        <translation>將頁面變更儲存到「%1」？</translation>
    </message>
    <message>
        <source>The reading view shows the pages once they are saved.</source>
        <translation>閱讀檢視會在儲存後顯示頁面。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>捨棄</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>檔案可能已被移動、損毀或刪除。</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Startup Page</source>
        <translation>起始頁</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>開啟 PDF</translation>
    </message>
    <message>
        <source>Open Tabs</source>
        <translation>已開啟的分頁</translation>
    </message>
    <message>
        <source>Shortcut already exists.</source>
        <translation>捷徑已存在。</translation>
    </message>
    <message>
        <source>Shortcut successfully created!</source>
        <translation>已成功建立捷徑！</translation>
    </message>
    <message>
        <source>Failed to create shortcuts.</source>
        <translation>無法建立捷徑。</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>無法開啟</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Do you want to close all tabs or the current tab?</source>
        <translation>要關閉所有分頁還是只關閉目前的分頁？</translation>
    </message>
    <message>
        <source>Always close all tabs</source>
        <translation>一律關閉所有分頁</translation>
    </message>
    <message>
        <source>Close Current Tab</source>
        <translation>關閉目前分頁</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>關閉所有分頁</translation>
    </message>
    <message>
        <source>Do you want to set %1 as your default PDF viewer?</source>
        <translation>是否要將 %1 設為預設 PDF 檢視器？</translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation>不要再顯示</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍後</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Failed to Create PDF</source>
        <translation>無法建立 PDF</translation>
    </message>
    <message>
        <source>The new document could not be written to &quot;%1&quot;. Check that the folder exists and that you may write there.</source>
        <translation>無法將新文件寫入「%1」。請確認資料夾是否存在，以及您是否有寫入權限。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an address on the network, not a file on this computer. Save the document, then open the saved file.</source>
        <translation>「%1」是網路位址,不是這部電腦上的檔案。請先儲存文件,再開啟儲存的檔案。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>找不到「%1」。它可能已被移動、重新命名或刪除。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a PDF document.</source>
        <translation>「%1」是資料夾,不是 PDF 文件。</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>您沒有讀取「%1」的權限。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document, or it is too damaged to be recognised as one.</source>
        <translation>「%1」不是 PDF 文件,或已損壞到無法辨識。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document but a file of another kind (%2).</source>
        <translation>「%1」不是 PDF 文件,而是其他類型的檔案(%2)。</translation>
    </message>
</context>
<context>
    <name>PrivacyOption</name>
    <message>
        <source>Privacy</source>
        <translation>隱私權</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>傳送匿名使用統計</translation>
    </message>
    <message>
        <source>Send crash reports</source>
        <translation>傳送當機報告</translation>
    </message>
    <message>
        <source>Usage statistics count how often %1 starts and which features are used; a crash report holds what the program was doing when it crashed and the end of its log. Neither holds the names or content of your documents, and nothing is sent unless you tick it here.</source>
        <translation>使用統計會記錄 %1 的啟動次數以及使用了哪些功能；當機報告包含程式當機時正在執行的動作以及記錄檔的結尾。兩者都不包含您文件的名稱或內容，除非您在此勾選，否則不會傳送任何資料。</translation>
    </message>
</context>
<context>
    <name>QWKDialogBar</name>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>RecentPage</name>
    <message>
        <source>Recents</source>
        <translation>最近使用</translation>
    </message>
    <message>
        <source>Incognito Mode</source>
        <translation>無痕模式</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>清單檢視</translation>
    </message>
    <message>
        <source>Grid View</source>
        <translation>格狀檢視</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Files you have recently viewed or worked with will be listed here</source>
        <translation>您最近檢視或處理過的檔案會列在這裡</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>開啟 PDF</translation>
    </message>
    <message>
        <source>Are you sure to clear all the records?</source>
        <translation>確定要清除所有記錄嗎？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>最近的檔案</translation>
    </message>
</context>
<context>
    <name>ReportConsent</name>
    <message>
        <source>Help Improve %1</source>
        <translation>協助改善 %1</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics and crash reports?</source>
        <translation>要傳送匿名使用統計和當機報告嗎？</translation>
    </message>
    <message>
        <source>They tell how often %1 starts and what made it crash, never which documents you open or anything about you. You can change this at any time in Preferences.</source>
        <translation>這些資料只說明 %1 啟動了幾次以及當機的原因，絕不包含您開啟了哪些文件或任何關於您的資訊。您可以隨時在偏好設定中變更。</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
</context>
<context>
    <name>SettingOption</name>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>Blank PDF</source>
        <translation>空白 PDF</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>隱私權</translation>
    </message>
</context>
</TS>
