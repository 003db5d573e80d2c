<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AssocGuidBox</name>
    <message>
        <source>Two Steps to Set %1 as the Default PDF Viewer</source>
        <translation>2 つの手順で %1 を既定の PDF ビューアーに設定</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>手順 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>手順 2</translation>
    </message>
    <message>
        <source>Click %1 below, then click %2 in the pop-up.</source>
        <translation>下の%1をクリックし、ポップアップで%2をクリックしてください。</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>既定に設定</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Select %1 from the list, then click %2 to apply changes.</source>
        <translation>一覧から %1 を選択し、%2をクリックして変更を適用してください。</translation>
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
        <translation>空白の PDF</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページ数</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>ページサイズ</translation>
    </message>
    <message>
        <source>Fixed Size</source>
        <translation>固定サイズ</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>向き</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>縦</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横</translation>
    </message>
    <message>
        <source>Lock aspect ratio</source>
        <translation>縦横比を固定</translation>
    </message>
    <message>
        <source>Unlock aspect ration</source>
        <translation>縦横比の固定を解除</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>縦横比を保持</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>%1 is a tabbed PDF reader for the desktop.</source>
        <translation>%1 は、タブ表示に対応したデスクトップ用 PDF リーダーです。</translation>
    </message>
    <message>
        <source>This application uses open-source libraries, each under its own license.</source>
        <translation>このアプリケーションはオープンソースのライブラリを使用しており、それぞれ独自のライセンスが適用されます。</translation>
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
        <translation>%1 を追加</translation>
    </message>
    <message>
        <source>Delete Comment</source>
        <translation>コメントを削除</translation>
    </message>
    <message>
        <source>Edit Comment Text</source>
        <translation>コメントのテキストを編集</translation>
    </message>
    <message>
        <source>Erase Comments</source>
        <translation>コメントを消去</translation>
    </message>
    <message>
        <source>Move Comment</source>
        <translation>コメントを移動</translation>
    </message>
    <message>
        <source>Resize Comment</source>
        <translation>コメントのサイズを変更</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>テキストを編集</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Change Comment Color</source>
        <translation>コメントの色を変更</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>CAnnotationPanel</name>
    <message>
        <source>Page %1 (%2)</source>
        <translation>%1 ページ (%2)</translation>
    </message>
    <message>
        <source>This document has no annotations.</source>
        <translation>この文書には注釈がありません。</translation>
    </message>
</context>
<context>
    <name>CChangeWatcher</name>
    <message>
        <source>Document Changed</source>
        <translation>ドキュメントが変更されました</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>「%1」は別のプログラムによって変更されました。再読み込みして、保存されていない変更を破棄しますか？</translation>
    </message>
    <message>
        <source>Keep My Version</source>
        <translation>自分の版を残す</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
</context>
<context>
    <name>CClearEdit</name>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
</context>
<context>
    <name>CCommentController</name>
    <message>
        <source>Change Comment Color</source>
        <translation>コメントの色を変更</translation>
    </message>
    <message>
        <source>Change Comment Opacity</source>
        <translation>コメントの不透明度を変更</translation>
    </message>
    <message>
        <source>Change Line Width</source>
        <translation>線の太さを変更</translation>
    </message>
    <message>
        <source>Change Font Size</source>
        <translation>フォントサイズを変更</translation>
    </message>
    <message>
        <source>Cannot Add Comments</source>
        <translation>コメントを追加できません</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow adding comments.</source>
        <translation>この文書の権限ではコメントを追加できません。</translation>
    </message>
</context>
<context>
    <name>CCommentOptions</name>
    <message>
        <source>Highlight</source>
        <translation>ハイライト</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下線</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>取り消し線</translation>
    </message>
    <message>
        <source>Squiggly</source>
        <translation>波線</translation>
    </message>
    <message>
        <source>Sticky Note</source>
        <translation>付箋</translation>
    </message>
    <message>
        <source>Text Box</source>
        <translation>テキストボックス</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>ペン</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>四角形</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>楕円</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>線</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>矢印</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>消しゴム</translation>
    </message>
</context>
<context>
    <name>CCommentToolBar</name>
    <message>
        <source>Select Comments</source>
        <translation>コメントを選択</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>その他の色...</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>太さ</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>線の太さ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>フォントサイズ</translation>
    </message>
    <message>
        <source>Close Comment Tools</source>
        <translation>コメントツールを閉じる</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Save</source>
        <translation>保存できませんでした</translation>
    </message>
    <message>
        <source>Cannot Change Protection</source>
        <translation>保護を変更できません</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot; with the protected version?</source>
        <translation>「%1」を保護されたバージョンに置き換えますか?</translation>
    </message>
    <message>
        <source>The file will need the password to open from now on.</source>
        <translation>今後、このファイルを開くにはパスワードが必要です。</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換え</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>新しいファイルとして保存</translation>
    </message>
    <message>
        <source>Remove the password from &quot;%1&quot;?</source>
        <translation>「%1」のパスワードを解除しますか?</translation>
    </message>
    <message>
        <source>Anyone will be able to open the file.</source>
        <translation>誰でもファイルを開けるようになります。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Saving will break the signatures of &quot;%1&quot;.</source>
        <translation>保存すると「%1」の署名が無効になります。</translation>
    </message>
    <message>
        <source>Changed pages or protection rewrite the whole file, and the signatures in it will no longer be valid. Save as a new file to keep the signed original.</source>
        <translation>ページや保護の変更はファイル全体を書き直すため、その署名は無効になります。署名済みの元のファイルを残すには、新しいファイルとして保存してください。</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>このまま保存</translation>
    </message>
</context>
<context>
    <name>CDocumentToolBar</name>
    <message>
        <source>Thumbnails</source>
        <translation>サムネイル</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>検索 (Ctrl+F)</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>ページを整理</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>実際のサイズ</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>ページに合わせる</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>幅に合わせる</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>高さに合わせる</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>閲覧モードに入る</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>This document does not allow comments</source>
        <translation>この文書ではコメントできません</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>ページ番号</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
</context>
<context>
    <name>CEditRecovery</name>
    <message>
        <source>Recover Changes</source>
        <translation>変更を復元</translation>
    </message>
</context>
<context>
    <name>CEditSession</name>
    <message>
        <source>Restore Page Changes</source>
        <translation>ページの変更を復元</translation>
    </message>
    <message>
        <source>Restore Recognized Text</source>
        <translation>認識したテキストを復元</translation>
    </message>
    <message>
        <source>Restore Page Edits</source>
        <translation>ページ編集を復元</translation>
    </message>
</context>
<context>
    <name>CEncryptBox</name>
    <message>
        <source>Encrypt PDF</source>
        <translation>PDF を暗号化</translation>
    </message>
    <message>
        <source>Set a password that is needed to open &quot;%1&quot;.</source>
        <translation>「%1」を開くのに必要なパスワードを設定します。</translation>
    </message>
    <message>
        <source>Open password:</source>
        <translation>開くパスワード:</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>パスワードの確認:</translation>
    </message>
    <message>
        <source>Restrict printing and editing with a permissions password</source>
        <translation>権限パスワードで印刷と編集を制限する</translation>
    </message>
    <message>
        <source>Permissions password:</source>
        <translation>権限パスワード:</translation>
    </message>
    <message>
        <source>Allow printing</source>
        <translation>印刷を許可</translation>
    </message>
    <message>
        <source>Allow copying text and images</source>
        <translation>テキストと画像のコピーを許可</translation>
    </message>
    <message>
        <source>Allow editing</source>
        <translation>編集を許可</translation>
    </message>
    <message>
        <source>Allow commenting</source>
        <translation>注釈を許可</translation>
    </message>
    <message>
        <source>Allow filling in forms</source>
        <translation>フォームへの入力を許可</translation>
    </message>
    <message>
        <source>Allow inserting, deleting and rotating pages</source>
        <translation>ページの挿入、削除、回転を許可</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>暗号化:</translation>
    </message>
    <message>
        <source>AES-256 (recommended)</source>
        <translation>AES-256 (推奨)</translation>
    </message>
    <message>
        <source>AES-128 (for older readers)</source>
        <translation>AES-128 (古いリーダー向け)</translation>
    </message>
    <message>
        <source>Remove Protection</source>
        <translation>保護を解除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save as New File...</source>
        <translation>新しいファイルとして保存...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>弱い</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>強い</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>強度: %1</translation>
    </message>
    <message>
        <source>Enter a password to open the document.</source>
        <translation>文書を開くためのパスワードを入力してください。</translation>
    </message>
    <message>
        <source>The passwords do not match. Type the open password again in both fields.</source>
        <translation>パスワードが一致しません。両方の欄に開くパスワードをもう一度入力してください。</translation>
    </message>
    <message>
        <source>Enter a permissions password, or turn the restrictions off.</source>
        <translation>権限パスワードを入力するか、制限をオフにしてください。</translation>
    </message>
    <message>
        <source>The permissions passwords do not match. Type it again in both fields.</source>
        <translation>権限パスワードが一致しません。両方の欄にもう一度入力してください。</translation>
    </message>
    <message>
        <source>The permissions password must differ from the open password.</source>
        <translation>権限パスワードは開くパスワードと異なる必要があります。</translation>
    </message>
</context>
<context>
    <name>CFileListView</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>ピン留め</translation>
    </message>
    <message>
        <source>Unpin</source>
        <translation>ピン留めを解除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>ファイルの場所を開く</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>一覧から削除</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>開けませんでした</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>ファイルが移動、破損、または削除された可能性があります。</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>名前を変更できませんでした</translation>
    </message>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>ファイルの名前を変更できませんでした。ファイルが使用中であるか、フォルダーで変更が許可されていない可能性があります。</translation>
    </message>
</context>
<context>
    <name>CFindBar</name>
    <message>
        <source>Find in document</source>
        <translation>ドキュメント内を検索</translation>
    </message>
    <message>
        <source>Previous Match (Shift+F3)</source>
        <translation>前の一致 (Shift+F3)</translation>
    </message>
    <message>
        <source>Next Match (F3)</source>
        <translation>次の一致 (F3)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>大文字と小文字を区別</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>単語単位</translation>
    </message>
    <message>
        <source>Show All Results</source>
        <translation>すべての結果を表示</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>閉じる (Esc)</translation>
    </message>
    <message>
        <source>No text in this document</source>
        <translation>このドキュメントにはテキストがありません</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>一致なし</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop Searching</source>
        <translation>検索を停止</translation>
    </message>
    <message>
        <source>%1 of %2, %3 of %4 pages searched</source>
        <translation>%1 / %2、%4 ページ中 %3 ページを検索済み</translation>
    </message>
    <message>
        <source>%1 found, %2 of %3 pages searched</source>
        <translation>%1 件見つかりました、%3 ページ中 %2 ページを検索済み</translation>
    </message>
    <message>
        <source>%1 of %2, stopped after %3 of %4 pages</source>
        <translation>%1 / %2、%4 ページ中 %3 ページで停止</translation>
    </message>
    <message>
        <source>%1 found, stopped after %2 of %3 pages</source>
        <translation>%1 件見つかりました、%3 ページ中 %2 ページで停止</translation>
    </message>
</context>
<context>
    <name>CFormBar</name>
    <message>
        <source>Highlight Fields</source>
        <translation>フィールドを強調表示</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>This document contains form fields you can fill in.</source>
        <translation>この文書には入力できるフォームフィールドがあります。</translation>
    </message>
    <message>
        <source>This document contains form fields, but its permissions do not allow filling them in.</source>
        <translation>この文書にはフォームフィールドがありますが、権限により入力できません。</translation>
    </message>
    <message>
        <source>This form uses XFA, which is not supported. Its fields cannot be shown or filled in here.</source>
        <translation>このフォームはサポートされていない XFA を使用しています。ここではフィールドを表示または入力できません。</translation>
    </message>
</context>
<context>
    <name>CFormLayer</name>
    <message>
        <source>Reset Form</source>
        <translation>フォームをリセット</translation>
    </message>
    <message>
        <source>Fill In Form</source>
        <translation>フォームに入力</translation>
    </message>
</context>
<context>
    <name>CGotoPageBox</name>
    <message>
        <source>Go to Page</source>
        <translation>ページへ移動</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>ページ番号</translation>
    </message>
</context>
<context>
    <name>CLinkActions</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open this link?</source>
        <translation>このリンクを開きますか?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot;, which another program will open.</source>
        <translation>このドキュメントは「%1」にリンクしています。別のプログラムで開かれます。</translation>
    </message>
    <message>
        <source>Cannot Open the Linked File</source>
        <translation>リンク先のファイルを開けません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open this file?</source>
        <translation>このファイルを開きますか?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot; (%2), which another program will open.</source>
        <translation>このドキュメントは「%1」(%2)にリンクしています。別のプログラムで開かれます。</translation>
    </message>
</context>
<context>
    <name>CLinkLayer</name>
    <message>
        <source>Go to page %1</source>
        <translation>%1 ページへ移動</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>%1 にメールを書く</translation>
    </message>
    <message>
        <source>Open %1 at page %2</source>
        <translation>%1 を %2 ページで開く</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 を開く</translation>
    </message>
    <message>
        <source>Viewer command: %1</source>
        <translation>ビューアーのコマンド: %1</translation>
    </message>
    <message>
        <source>Runs the program %1; links that run programs are not followed</source>
        <translation>プログラム %1 を実行します。プログラムを実行するリンクはたどりません</translation>
    </message>
    <message>
        <source>Runs a script; links that run scripts are not followed</source>
        <translation>スクリプトを実行します。スクリプトを実行するリンクはたどりません</translation>
    </message>
</context>
<context>
    <name>CLinkTargetBox</name>
    <message>
        <source>Link Target</source>
        <translation>リンク先</translation>
    </message>
    <message>
        <source>Page of this document</source>
        <translation>この文書のページ</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>ページ番号</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Web アドレス</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CLoadingPage</name>
    <message>
        <source>Opening &quot;%1&quot;...</source>
        <translation>「%1」を開いています...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CMemberManager</name>
    <message>
        <source>Could not reach the account service. Please check your connection and try again.</source>
        <translation>アカウントサービスに接続できませんでした。接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Signing in is already in progress.</source>
        <translation>すでにサインイン処理中です。</translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address.</source>
        <translation>有効なメールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Please enter your password.</source>
        <translation>パスワードを入力してください。</translation>
    </message>
    <message>
        <source>The e-mail address or password is incorrect.</source>
        <translation>メールアドレスまたはパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>The account service sent an answer that could not be read. Please try again later.</source>
        <translation>アカウントサービスから読み取れない応答が返されました。しばらくしてから、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>CNssStore</name>
    <message>
        <source>The certificate store in %1 could not be opened.</source>
        <translation>%1 の証明書ストアを開けませんでした。</translation>
    </message>
    <message>
        <source>The certificate store is locked. Give its password first.</source>
        <translation>証明書ストアはロックされています。先にパスワードを入力してください。</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>ファイルを読み取れませんでした。</translation>
    </message>
    <message>
        <source>The file is not a certificate file (PKCS#12).</source>
        <translation>このファイルは証明書ファイル (PKCS#12) ではありません。</translation>
    </message>
    <message>
        <source>The password does not open this certificate file.</source>
        <translation>このパスワードではこの証明書ファイルを開けません。</translation>
    </message>
    <message>
        <source>The certificate could not be added to the store in %1.</source>
        <translation>証明書を %1 のストアに追加できませんでした。</translation>
    </message>
    <message>
        <source>The file holds no certificate with its private key, so it cannot sign.</source>
        <translation>このファイルには秘密鍵付きの証明書がないため、署名できません。</translation>
    </message>
    <message>
        <source>Digital signature</source>
        <translation>デジタル署名</translation>
    </message>
    <message>
        <source>Non-repudiation</source>
        <translation>否認防止</translation>
    </message>
    <message>
        <source>Key encipherment</source>
        <translation>鍵の暗号化</translation>
    </message>
    <message>
        <source>Data encipherment</source>
        <translation>データの暗号化</translation>
    </message>
    <message>
        <source>Key agreement</source>
        <translation>鍵共有</translation>
    </message>
    <message>
        <source>Certificate signing</source>
        <translation>証明書への署名</translation>
    </message>
    <message>
        <source>CRL signing</source>
        <translation>CRL への署名</translation>
    </message>
    <message>
        <source>Encipher only</source>
        <translation>暗号化のみ</translation>
    </message>
</context>
<context>
    <name>COpenController</name>
    <message>
        <source>Failed to Open</source>
        <translation>開けませんでした</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>「%1」が見つかりません。移動、名前の変更、または削除された可能性があります。</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>「%1」を読み取る権限がありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>「%1」は破損しているため読み込めません。</translation>
    </message>
</context>
<context>
    <name>COrganizerBox</name>
    <message>
        <source>Rotate Left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>ページを削除</translation>
    </message>
    <message>
        <source>Duplicate Pages</source>
        <translation>ページを複製</translation>
    </message>
    <message>
        <source>Insert Blank Page</source>
        <translation>空白ページを挿入</translation>
    </message>
    <message>
        <source>Insert Pages from File</source>
        <translation>ファイルからページを挿入</translation>
    </message>
    <message>
        <source>Extract Pages</source>
        <translation>ページを抽出</translation>
    </message>
    <message>
        <source>Split Document</source>
        <translation>文書を分割</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>元に戻す (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>やり直し (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Move Pages</source>
        <translation>ページを移動</translation>
    </message>
    <message>
        <source>Pages: %1  Selected: %2</source>
        <translation>ページ: %1  選択: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cannot Delete Pages</source>
        <translation>ページを削除できません</translation>
    </message>
    <message>
        <source>A document needs at least one page. Keep one page or more.</source>
        <translation>文書には少なくとも 1 ページが必要です。1 ページ以上残してください。</translation>
    </message>
    <message>
        <source>Cannot Insert Pages</source>
        <translation>ページを挿入できません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. It may be damaged or not a PDF file.</source>
        <translation>「%1」を読み込めませんでした。破損しているか、PDF ファイルではない可能性があります。</translation>
    </message>
    <message>
        <source>Insert Pages</source>
        <translation>ページを挿入</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Extract Pages</source>
        <translation>ページを抽出できませんでした</translation>
    </message>
    <message>
        <source>Failed to Split Document</source>
        <translation>文書を分割できませんでした</translation>
    </message>
</context>
<context>
    <name>COrganizerView</name>
    <message>
        <source>Pages</source>
        <translation>ページ</translation>
    </message>
</context>
<context>
    <name>CPageEditBar</name>
    <message>
        <source>Page Editing</source>
        <translation>ページ編集</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>テキストを追加</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>リンクを追加</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>フォントサイズ</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文字色</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>その他の色...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Link Target...</source>
        <translation>リンク先...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Leave page editing</source>
        <translation>ページ編集を終了</translation>
    </message>
    <message>
        <source>Click where the text should start; Ctrl+Enter keeps it.</source>
        <translation>テキストを始める位置をクリックします。Ctrl+Enter で確定します。</translation>
    </message>
    <message>
        <source>Click where the picture should go.</source>
        <translation>画像を置く位置をクリックします。</translation>
    </message>
    <message>
        <source>Drag over the area that should become a link.</source>
        <translation>リンクにする範囲をドラッグします。</translation>
    </message>
    <message>
        <source>Drag pictures to move them, their corners to resize them.</source>
        <translation>画像をドラッグして移動し、角をドラッグしてサイズを変更します。</translation>
    </message>
</context>
<context>
    <name>CPageEditController</name>
    <message>
        <source>Cannot Edit Pages</source>
        <translation>ページを編集できません</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to edit them.</source>
        <translation>この文書の権限ではページを変更できません。編集するには権限パスワードで開いてください。</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; first?</source>
        <translation>先に「%1」への変更を保存しますか?</translation>
    </message>
    <message>
        <source>Page editing starts from the saved document.</source>
        <translation>ページ編集は保存済みの文書から始まります。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save the page edits to &quot;%1&quot;?</source>
        <translation>ページ編集を「%1」に保存しますか?</translation>
    </message>
    <message>
        <source>Pages show their edits until you leave page editing.</source>
        <translation>ページ編集を終了するまで、ページには編集内容が表示されます。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Cannot Edit the Page</source>
        <translation>ページを編集できません</translation>
    </message>
    <message>
        <source>The document has no page %1.</source>
        <translation>この文書には %1 ページ目がありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address a link can lead to.</source>
        <translation>「%1」はリンク先にできる Web アドレスではありません。</translation>
    </message>
    <message>
        <source>The change does not fit the page.</source>
        <translation>この変更はページに合いません。</translation>
    </message>
    <message>
        <source>The text could not be added here.</source>
        <translation>ここにはテキストを追加できませんでした。</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>テキストを追加</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read.</source>
        <translation>画像「%1」を読み込めませんでした。</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Resize Picture</source>
        <translation>画像のサイズを変更</translation>
    </message>
    <message>
        <source>Move Picture</source>
        <translation>画像を移動</translation>
    </message>
    <message>
        <source>Resize Text</source>
        <translation>テキストのサイズを変更</translation>
    </message>
    <message>
        <source>Move Text</source>
        <translation>テキストを移動</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>リンクを削除</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>画像を削除</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>テキストを削除</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>リンクを追加</translation>
    </message>
    <message>
        <source>Change Link</source>
        <translation>リンクを変更</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>画像 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The change could not be made (%1).</source>
        <translation>変更できませんでした (%1)。</translation>
    </message>
</context>
<context>
    <name>CPageEditLayer</name>
    <message>
        <source>Text to add</source>
        <translation>追加するテキスト</translation>
    </message>
    <message>
        <source>Leads nowhere</source>
        <translation>リンク先がありません</translation>
    </message>
    <message>
        <source>Double-click to change where it leads</source>
        <translation>ダブルクリックでリンク先を変更</translation>
    </message>
</context>
<context>
    <name>CPageView</name>
    <message>
        <source>The document&apos;s permissions do not allow copying its text.</source>
        <translation>この文書のアクセス権では、テキストのコピーは許可されていません。</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
</context>
<context>
    <name>CPasswordBox</name>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected. Enter the password to open it.</source>
        <translation>「%1」は保護されています。開くにはパスワードを入力してください。</translation>
    </message>
    <message>
        <source>Incorrect password. Please try again.</source>
        <translation>パスワードが正しくありません。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
</context>
<context>
    <name>CPdfImage</name>
    <message>
        <source>The file is not a PNG or JPEG picture.</source>
        <translation>このファイルは PNG または JPEG 画像ではありません。</translation>
    </message>
    <message>
        <source>The picture is too large or damaged.</source>
        <translation>画像が大きすぎるか、破損しています。</translation>
    </message>
</context>
<context>
    <name>CPdfPrinter</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cannot Print</source>
        <translation>印刷できません</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow printing it. Open it with its permissions password to print it.</source>
        <translation>この文書のアクセス権では、印刷は許可されていません。印刷するには、権限パスワードで開いてください。</translation>
    </message>
    <message>
        <source>Failed to Print</source>
        <translation>印刷できませんでした</translation>
    </message>
    <message>
        <source>No printer and no file to print to were chosen.</source>
        <translation>印刷先のプリンターもファイルも選択されていません。</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Preparing the pages...</source>
        <translation>ページを準備しています...</translation>
    </message>
    <message>
        <source>Sending to &quot;%1&quot;...</source>
        <translation>「%1」に送信しています...</translation>
    </message>
    <message>
        <source>Writing &quot;%1&quot;...</source>
        <translation>「%1」を書き込んでいます...</translation>
    </message>
</context>
<context>
    <name>CPresentationView</name>
    <message>
        <source>Presentation</source>
        <translation>プレゼンテーション</translation>
    </message>
</context>
<context>
    <name>CPrintJob</name>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>ページ「%1」は文書内にありません。</translation>
    </message>
    <message>
        <source>No temporary folder could be made for the print job (%1).</source>
        <translation>印刷ジョブ用の一時フォルダーを作成できませんでした (%1)。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: its folder or the file does not allow changes. Print to another file.</source>
        <translation>「%1」に書き込めません。フォルダーまたはファイルが変更を許可していません。別のファイルに印刷してください。</translation>
    </message>
    <message>
        <source>The printing service does not answer at %1.</source>
        <translation>%1 の印刷サービスが応答しません。</translation>
    </message>
    <message>
        <source>No printer is set up (%1).</source>
        <translation>プリンターが設定されていません (%1)。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be found (%2).</source>
        <translation>プリンター「%1」が見つかりません (%2)。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation>プリンター「%1」はジョブを受け付けませんでした: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being printed. Print to another file.</source>
        <translation>「%1」は印刷中の文書です。別のファイルに印刷してください。</translation>
    </message>
</context>
<context>
    <name>CPropertiesBox</name>
    <message>
        <source>Document Properties</source>
        <translation>文書のプロパティ</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作成者</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>サブタイトル</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>Creator</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>PDF 変換</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>作成日</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>更新日</translation>
    </message>
    <message>
        <source>PDF Version</source>
        <translation>PDF のバージョン</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページ数</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>ページサイズ</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>ファイルサイズ</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Password protected</source>
        <translation>パスワードで保護</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
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
        <translation>テキスト認識</translation>
    </message>
    <message>
        <source>This page</source>
        <translation>このページ</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>すべてのページ</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>ページ:</translation>
    </message>
    <message>
        <source>Pages to recognize</source>
        <translation>認識するページ</translation>
    </message>
    <message>
        <source>e.g. 1-3, 5</source>
        <translation>例: 1-3, 5</translation>
    </message>
    <message>
        <source>Page numbers to recognize</source>
        <translation>認識するページ番号</translation>
    </message>
    <message>
        <source>Languages of the text</source>
        <translation>テキストの言語</translation>
    </message>
    <message>
        <source>The languages the pages are written in</source>
        <translation>ページが書かれている言語</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>テキストを認識</translation>
    </message>
    <message>
        <source>Recognition progress</source>
        <translation>認識の進行状況</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel text recognition</source>
        <translation>テキスト認識をキャンセル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close the text recognition bar</source>
        <translation>テキスト認識バーを閉じる</translation>
    </message>
    <message>
        <source>No language</source>
        <translation>言語なし</translation>
    </message>
    <message>
        <source>Recognizing text, pages done: %1 of %2</source>
        <translation>テキストを認識中、完了したページ: %1 / %2</translation>
    </message>
</context>
<context>
    <name>CRecognizeController</name>
    <message>
        <source>eng</source>
        <comment>The text recognition language of this translation, as its data file is named (ISO 639-2: deu, fra, chi_sim...)</comment>
        <translation>jpn</translation>
    </message>
    <message>
        <source>No text recognition languages are installed.</source>
        <translation>テキスト認識の言語がインストールされていません。</translation>
    </message>
    <message>
        <source>This page is a scan without text. No text recognition languages are installed.</source>
        <translation>このページはテキストのないスキャン画像です。テキスト認識の言語がインストールされていません。</translation>
    </message>
    <message>
        <source>This page is a scan without text.</source>
        <translation>このページはテキストのないスキャン画像です。</translation>
    </message>
    <message>
        <source>This page has text already; only pages without text are recognized.</source>
        <translation>このページにはすでにテキストがあります。テキストのないページだけが認識されます。</translation>
    </message>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>ページ「%1」は文書にありません。</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>テキストを認識</translation>
    </message>
    <message>
        <source>Done: the text can now be searched, selected and copied. Save to keep it.</source>
        <translation>完了: テキストを検索、選択、コピーできるようになりました。保持するには保存してください。</translation>
    </message>
    <message>
        <source>Every page chosen has text already. Nothing was changed.</source>
        <translation>選択したページにはすべてテキストがあります。何も変更されていません。</translation>
    </message>
    <message>
        <source>Text recognition was cancelled. Nothing was changed.</source>
        <translation>テキスト認識はキャンセルされました。何も変更されていません。</translation>
    </message>
    <message>
        <source>Text recognition failed (%1). Nothing was changed.</source>
        <translation>テキスト認識に失敗しました (%1)。何も変更されていません。</translation>
    </message>
</context>
<context>
    <name>CRenameBox</name>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file name cannot be empty.</source>
        <translation>ファイル名を空にすることはできません。</translation>
    </message>
    <message>
        <source>A file name can&apos;t contain any of the following characters: \ / : * ? &quot; &lt; &gt; |</source>
        <translation>ファイル名に次の文字は使用できません: \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>この名前はファイル名として使用できません。</translation>
    </message>
    <message>
        <source>A file with this name already exists.</source>
        <translation>同じ名前のファイルがすでに存在します。</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>新しい名前</translation>
    </message>
</context>
<context>
    <name>CReviewDialog</name>
    <message>
        <source>Enjoying %1?</source>
        <translation>%1 はいかがですか？</translation>
    </message>
    <message>
        <source>Rate Now</source>
        <translation>今すぐ評価</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Don&apos;t Ask Again</source>
        <translation>今後表示しない</translation>
    </message>
</context>
<context>
    <name>CSavePipeline</name>
    <message>
        <source>&quot;%1&quot; was moved or deleted while it was open. Nothing was written.</source>
        <translation>開いている間に「%1」が移動または削除されました。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program while it was open. Nothing was written; open it again to make your changes.</source>
        <translation>開いている間に「%1」が別のプログラムによって変更されました。何も書き込まれていません。もう一度開いてから変更してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read (%2). Nothing was written.</source>
        <translation>「%1」を読み込めませんでした (%2)。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>This document was opened with its open password only. To change its protection, open it with its permissions password.</source>
        <translation>この文書は開くパスワードだけで開かれました。保護を変更するには、権限パスワードで開いてください。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not allow changes. Choose another folder with Save As.</source>
        <translation>フォルダー「%1」は変更を許可していません。「名前を付けて保存」で別のフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only. Choose another file with Save As.</source>
        <translation>「%1」は読み取り専用です。「名前を付けて保存」で別のファイルを選んでください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2). The file was left as it was.</source>
        <translation>「%1」に書き込めませんでした (%2)。ファイルは元のままです。</translation>
    </message>
    <message>
        <source>The changes could not be prepared for writing (%1). Nothing was written.</source>
        <translation>変更を書き込み用に準備できませんでした (%1)。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved but could not be opened again (%2).</source>
        <translation>「%1」は保存されましたが、もう一度開けませんでした (%2)。</translation>
    </message>
</context>
<context>
    <name>CSearchResultModel</name>
    <message>
        <source>Page %1</source>
        <translation>%1 ページ</translation>
    </message>
</context>
<context>
    <name>CSessionKeeper</name>
    <message>
        <source>%1 did not close properly last time. Your documents have been reopened.</source>
        <translation>%1 は前回正しく終了しませんでした。ドキュメントを再度開きました。</translation>
    </message>
    <message>
        <source>These documents could not be found and were not reopened:</source>
        <translation>次のドキュメントが見つからないため、再度開きませんでした:</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1?</source>
        <translation>%1 の保存されていない変更を復元しますか?</translation>
    </message>
    <message>
        <source>The changes were kept when the document was last open. If you discard them, they cannot be brought back.</source>
        <translation>変更はドキュメントを最後に開いていたときに保存されています。破棄すると元に戻せません。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Failed to Recover</source>
        <translation>復元に失敗しました</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 no longer fit the file.</source>
        <translation>%1 の保存されていない変更はファイルと一致しなくなりました。</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>新しいファイルとして保存</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 are kept</source>
        <translation>%1 の未保存の変更は保持されます</translation>
    </message>
    <message>
        <source>The document cannot be found at &quot;%1&quot; right now. Its changes are offered again once it is back there.</source>
        <translation>現在「%1」にドキュメントが見つかりません。ドキュメントが戻ると、変更内容が再度提示されます。</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>保持</translation>
    </message>
    <message>
        <source>The last session had more windows and tabs than are reopened at once. Documents not reopened: %1</source>
        <translation>前回のセッションには一度に再度開ける数を超えるウィンドウとタブがありました。再度開かれなかったドキュメント: %1</translation>
    </message>
</context>
<context>
    <name>CSidePanel</name>
    <message>
        <source>Thumbnails</source>
        <translation>サムネイル</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>しおり</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>注釈</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>添付ファイル</translation>
    </message>
    <message>
        <source>This document has no bookmarks.</source>
        <translation>この文書にはしおりがありません。</translation>
    </message>
    <message>
        <source>This document has no attachments.</source>
        <translation>この文書には添付ファイルがありません。</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>検索結果</translation>
    </message>
    <message>
        <source>In a comment on page %1</source>
        <translation>%1 ページのコメント内</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>署名</translation>
    </message>
</context>
<context>
    <name>CSignBox</name>
    <message>
        <source>Sign Document</source>
        <translation>文書に署名</translation>
    </message>
    <message>
        <source>Sign &quot;%1&quot; with a certificate of your certificate store. The signed document is saved as a new file; this one stays as it is.</source>
        <translation>証明書ストアの証明書で「%1」に署名します。署名した文書は新しいファイルとして保存され、このファイルはそのまま残ります。</translation>
    </message>
    <message>
        <source>Certificate store password</source>
        <translation>証明書ストアのパスワード</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>ロック解除</translation>
    </message>
    <message>
        <source>Certificate:</source>
        <translation>証明書:</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>証明書</translation>
    </message>
    <message>
        <source>Your certificate store has no certificate to sign with. Import one from a PKCS#12 file (.p12, .pfx).</source>
        <translation>証明書ストアに署名用の証明書がありません。PKCS#12 ファイル (.p12、.pfx) からインポートしてください。</translation>
    </message>
    <message>
        <source>Import Certificate...</source>
        <translation>証明書をインポート...</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>For example: I approve this document</source>
        <translation>例: この文書を承認します</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>理由:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>場所:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Optional: a PNG or JPEG shown in the signature</source>
        <translation>任意: 署名に表示する PNG または JPEG</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選択...</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>画像を選択</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>画像:</translation>
    </message>
    <message>
        <source>Sign and Save As...</source>
        <translation>署名して名前を付けて保存...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Issued by %1, valid from %2 to %3</source>
        <translation>発行者 %1、有効期間 %2 から %3</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>鍵の用途: %1</translation>
    </message>
    <message>
        <source>This is not the password of your certificate store.</source>
        <translation>これは証明書ストアのパスワードではありません。</translation>
    </message>
    <message>
        <source>Import Certificate</source>
        <translation>証明書をインポート</translation>
    </message>
    <message>
        <source>Certificate Files (*.p12 *.pfx)</source>
        <translation>証明書ファイル (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Password of the certificate file:</source>
        <translation>証明書ファイルのパスワード:</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>画像の選択</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>画像 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with, or import one.</source>
        <translation>署名に使う証明書を選択するか、インポートしてください。</translation>
    </message>
    <message>
        <source>The picture must be a PNG or JPEG file.</source>
        <translation>画像は PNG または JPEG ファイルである必要があります。</translation>
    </message>
</context>
<context>
    <name>CSignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CSignatureBar</name>
    <message>
        <source>Signatures</source>
        <translation>署名</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>文書に署名</translation>
    </message>
    <message>
        <source>Signature Panel</source>
        <translation>署名パネル</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close the signature bar</source>
        <translation>署名バーを閉じる</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>不明な署名者</translation>
    </message>
    <message>
        <source>Signed by %1, every signature is valid.</source>
        <translation>%1 が署名。すべての署名が有効です。</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is valid.</source>
        <translation>%1 が署名。署名は有効です。</translation>
    </message>
    <message>
        <source>Signed by %1; the document was changed after %2 signed it.</source>
        <translation>%1 が署名。%2 の署名後に文書が変更されました。</translation>
    </message>
    <message>
        <source>Signed by %1, the document was changed after signing.</source>
        <translation>%1 が署名。署名後に文書が変更されました。</translation>
    </message>
    <message>
        <source>Signed by %1; the certificate of %2 is not trusted.</source>
        <translation>%1 が署名。%2 の証明書は信頼されていません。</translation>
    </message>
    <message>
        <source>Signed by %1, the certificate is not trusted.</source>
        <translation>%1 が署名。証明書は信頼されていません。</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 is not valid.</source>
        <translation>%1 が署名。%2 の署名は有効ではありません。</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is not valid.</source>
        <translation>%1 が署名。署名は無効です。</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 cannot be checked.</source>
        <translation>%1 が署名。%2 の署名を確認できません。</translation>
    </message>
    <message>
        <source>Signed by %1, the signature cannot be checked.</source>
        <translation>%1 が署名。署名を確認できません。</translation>
    </message>
    <message>
        <source>This document has a signature field waiting to be signed.</source>
        <translation>この文書には署名待ちの署名フィールドがあります。</translation>
    </message>
    <message>
        <source>The signatures cannot be checked: the file changed since it was opened.</source>
        <translation>署名を確認できません: 開いた後でファイルが変更されました。</translation>
    </message>
    <message>
        <source>Drag a box on a page for the signature, or click an empty signature field. Enter places it on the current page; Esc cancels.</source>
        <translation>ページ上で署名の枠をドラッグするか、空の署名フィールドをクリックしてください。Enter で現在のページに配置し、Esc でキャンセルします。</translation>
    </message>
</context>
<context>
    <name>CSignatureController</name>
    <message>
        <source>Failed to Sign</source>
        <translation>署名できませんでした</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>開けませんでした</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before signing?</source>
        <translation>署名する前に「%1」の変更を保存しますか?</translation>
    </message>
    <message>
        <source>A signature covers the document as it is saved.</source>
        <translation>署名は保存された状態の文書に対して行われます。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save Signed Document</source>
        <translation>署名済み文書を保存</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>Digitally signed by %1</source>
        <translation>%1 によるデジタル署名</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>日付: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>理由: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>場所: %1</translation>
    </message>
    <message>
        <source>%1 (as signed by %2).pdf</source>
        <translation>%1 (%2 の署名時点).pdf</translation>
    </message>
    <message>
        <source>unknown signer</source>
        <translation>不明な署名者</translation>
    </message>
</context>
<context>
    <name>CSignaturePanel</name>
    <message>
        <source>Signatures</source>
        <translation>署名</translation>
    </message>
    <message>
        <source>Open Signed Version</source>
        <translation>署名時の版を開く</translation>
    </message>
    <message>
        <source>Opens the document as it was when the selected signature was made, in a new tab.</source>
        <translation>選択した署名が行われた時点の文書を新しいタブで開きます。</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>文書に署名</translation>
    </message>
    <message>
        <source>The signature is valid.</source>
        <translation>署名は有効です。</translation>
    </message>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>署名を確認できません。</translation>
    </message>
    <message>
        <source>The signature is intact, but the certificate is not trusted.</source>
        <translation>署名は改ざんされていませんが、証明書は信頼されていません。</translation>
    </message>
    <message>
        <source>The document was changed after signing.</source>
        <translation>署名後に文書が変更されました。</translation>
    </message>
    <message>
        <source>The signature is not valid.</source>
        <translation>署名は無効です。</translation>
    </message>
    <message>
        <source>Not signed yet.</source>
        <translation>まだ署名されていません。</translation>
    </message>
    <message>
        <source>The certificate is trusted.</source>
        <translation>証明書は信頼されています。</translation>
    </message>
    <message>
        <source>Its issuer is marked as not trusted.</source>
        <translation>発行者は信頼しないものとして設定されています。</translation>
    </message>
    <message>
        <source>Its issuer is not among the trusted certificates of this computer.</source>
        <translation>発行者はこのコンピューターの信頼された証明書に含まれていません。</translation>
    </message>
    <message>
        <source>The certificate was revoked by its issuer.</source>
        <translation>証明書は発行者によって失効しています。</translation>
    </message>
    <message>
        <source>The certificate was not valid at the time of signing.</source>
        <translation>署名時点で証明書は有効ではありませんでした。</translation>
    </message>
    <message>
        <source>The certificate could not be checked.</source>
        <translation>証明書を確認できませんでした。</translation>
    </message>
    <message>
        <source>Checking the signatures...</source>
        <translation>署名を確認しています...</translation>
    </message>
    <message>
        <source>This document has no signatures.</source>
        <translation>この文書には署名がありません。</translation>
    </message>
    <message>
        <source>Unknown signer</source>
        <translation>不明な署名者</translation>
    </message>
    <message>
        <source>Empty signature field %1</source>
        <translation>空の署名フィールド %1</translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; on page %2</source>
        <translation>%2 ページのフィールド「%1」</translation>
    </message>
    <message>
        <source>On page %1</source>
        <translation>%1 ページ</translation>
    </message>
    <message>
        <source>Signed on %1</source>
        <translation>署名日時 %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>理由: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>場所: %1</translation>
    </message>
    <message>
        <source>Covers the whole document.</source>
        <translation>文書全体が対象です。</translation>
    </message>
    <message>
        <source>Covers an earlier revision of the document (its first %1 bytes); later changes are not signed.</source>
        <translation>文書の以前の版 (先頭の %1 バイト) が対象です。その後の変更は署名されていません。</translation>
    </message>
    <message>
        <source>Certificate issued by %1</source>
        <translation>証明書の発行者: %1</translation>
    </message>
    <message>
        <source>The certificate is self-signed.</source>
        <translation>証明書は自己署名です。</translation>
    </message>
    <message>
        <source>Certificate valid from %1 to %2</source>
        <translation>証明書の有効期間 %1 から %2</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>鍵の用途: %1</translation>
    </message>
    <message>
        <source>Subject: %1</source>
        <translation>サブジェクト: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>シリアル番号: %1</translation>
    </message>
</context>
<context>
    <name>CSignatures</name>
    <message>
        <source>The signed document must be saved as a new file; the original stays as it is.</source>
        <translation>署名した文書は新しいファイルとして保存する必要があります。元のファイルはそのまま残ります。</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with.</source>
        <translation>署名に使う証明書を選択してください。</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>文書を読み取れませんでした。</translation>
    </message>
    <message>
        <source>The folder of the new file does not allow writing.</source>
        <translation>新しいファイルのフォルダーには書き込めません。</translation>
    </message>
    <message>
        <source>The document could not be signed: there is no room for a temporary file.</source>
        <translation>文書に署名できませんでした。一時ファイルを作成する場所がありません。</translation>
    </message>
    <message>
        <source>The document has no signature field of this name.</source>
        <translation>この名前の署名フィールドは文書にありません。</translation>
    </message>
    <message>
        <source>This signature field is signed already.</source>
        <translation>この署名フィールドは既に署名されています。</translation>
    </message>
    <message>
        <source>Draw the place of the signature on a page first.</source>
        <translation>先にページ上で署名の位置を描いてください。</translation>
    </message>
    <message>
        <source>The document could not be signed with this certificate. Its key may be missing from the store, or the store may be locked.</source>
        <translation>この証明書では文書に署名できませんでした。ストアに鍵がないか、ストアがロックされている可能性があります。</translation>
    </message>
    <message>
        <source>The signed document could not be written to %1.</source>
        <translation>署名した文書を %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>The signed version is no longer in the file.</source>
        <translation>署名時の版はもうファイルにありません。</translation>
    </message>
    <message>
        <source>The signed version could not be written to %1.</source>
        <translation>署名時の版を %1 に書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>CSplitBox</name>
    <message>
        <source>Split Document</source>
        <translation>文書を分割</translation>
    </message>
    <message>
        <source>Pages per file:</source>
        <translation>ファイルごとのページ数:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>The %1 pages become %2 files.</source>
        <translation>%1 ページが %2 個のファイルになります。</translation>
    </message>
</context>
<context>
    <name>CTabBar</name>
    <message>
        <source>Close Tab</source>
        <translation>タブを閉じる</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>ドキュメント</translation>
    </message>
</context>
<context>
    <name>CTabListWidget</name>
    <message>
        <source>Open Tabs</source>
        <translation>開いているタブ</translation>
    </message>
</context>
<context>
    <name>CTextOverlay</name>
    <message>
        <source>The text is too long: at most %1 characters can be added at once.</source>
        <translation>テキストが長すぎます。一度に追加できるのは %1 文字までです。</translation>
    </message>
    <message>
        <source>The text must start on the page.</source>
        <translation>テキストはページ内から始める必要があります。</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed.</source>
        <translation>フォント「%1」はインストールされていません。</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no character for &quot;%2&quot;. Choose a font that has it.</source>
        <translation>フォント「%1」には「%2」の文字がありません。その文字を含むフォントを選んでください。</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be embedded in a document. Choose another font.</source>
        <translation>フォント「%1」は文書に埋め込めません。別のフォントを選んでください。</translation>
    </message>
</context>
<context>
    <name>CTextRecognizer</name>
    <message>
        <source>no text recognition languages are installed</source>
        <translation>テキスト認識の言語がインストールされていません</translation>
    </message>
    <message>
        <source>no language data for &quot;%1&quot; is installed</source>
        <translation>「%1」の言語データがインストールされていません</translation>
    </message>
    <message>
        <source>no language chosen</source>
        <translation>言語が選択されていません</translation>
    </message>
    <message>
        <source>the language data could not be read</source>
        <translation>言語データを読み込めませんでした</translation>
    </message>
    <message>
        <source>no picture to read</source>
        <translation>読み取る画像がありません</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>the picture could not be read</source>
        <translation>画像を読み取れませんでした</translation>
    </message>
    <message>
        <source>the text could not be written</source>
        <translation>テキストを書き込めませんでした</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>You are using version %1.</source>
        <translation>現在のバージョンは %1 です。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>アップデートを確認しています...</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 は最新の状態です。</translation>
    </message>
    <message>
        <source>A new version %1 is available.</source>
        <translation>新しいバージョン %1 が利用可能です。</translation>
    </message>
    <message>
        <source>Could not reach the update service. Please check your connection and try again.</source>
        <translation>アップデートサービスに接続できませんでした。接続を確認して、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>CWindowTitleBar</name>
    <message>
        <source>Main Menu</source>
        <translation>メインメニュー</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>DisplayOption</name>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Default Page View</source>
        <translation>既定のページ表示</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>実際のサイズ</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>ページに合わせる</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>幅に合わせる</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>高さに合わせる</translation>
    </message>
    <message>
        <source>Default Page Layout</source>
        <translation>既定のページレイアウト</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>単一ページ表示</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>単一ページスクロール</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>見開きページ表示</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>見開きページスクロール</translation>
    </message>
    <message>
        <source>Default Cursor</source>
        <translation>既定のカーソル</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>手のひら</translation>
    </message>
</context>
<context>
    <name>DocumentMenu</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open Recents</source>
        <translation>最近使ったファイルを開く</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>PDF を作成</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>タブを閉じる</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Close All Windows</source>
        <translation>すべてのウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>ファイルの場所を開く</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Document Properties</source>
        <translation>文書のプロパティ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべてを選択</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>単一ページ表示</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>単一ページスクロール</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>見開きページ表示</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>見開きページスクロール</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>サムネイル</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>しおり</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>注釈</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>添付ファイル</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>実際のサイズ</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>ページに合わせる</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>幅に合わせる</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>高さに合わせる</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>閲覧モードに入る</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>最初のページ</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>最後のページ</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Go to Page</source>
        <translation>ページへ移動</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Move Window to Left Side of Screen</source>
        <translation>ウィンドウを画面左側に移動</translation>
    </message>
    <message>
        <source>Move Window to Right Side of Screen</source>
        <translation>ウィンドウを画面右側に移動</translation>
    </message>
    <message>
        <source>Replace Tiled Window</source>
        <translation>タイル表示のウィンドウを置き換える</translation>
    </message>
    <message>
        <source>Show Next Tab</source>
        <translation>次のタブを表示</translation>
    </message>
    <message>
        <source>Show Previous Tab</source>
        <translation>前のタブを表示</translation>
    </message>
    <message>
        <source>Move Tab to New Window</source>
        <translation>タブを新規ウィンドウに移動</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>すべてを手前に移動</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Open in New Window</source>
        <translation>新規ウィンドウで開く</translation>
    </message>
    <message>
        <source>Close Other Tabs</source>
        <translation>他のタブを閉じる</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>すべてのタブを閉じる</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>システムに合わせる</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Create Desktop Shortcut</source>
        <translation>デスクトップにショートカットを作成</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>既定に設定</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>よくある質問</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>フィードバック</translation>
    </message>
    <message>
        <source>Support Center</source>
        <translation>サポートセンター</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>保護</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>ページを整理</translation>
    </message>
    <message>
        <source>Page Colours</source>
        <translation>ページの色</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>セピア</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>ハイコントラスト</translation>
    </message>
    <message>
        <source>Dark Pages with the Dark Appearance</source>
        <translation>ダーク外観ではページも暗くする</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>プレゼンテーション</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Leave Read Mode</source>
        <translation>閲覧モードを終了</translation>
    </message>
    <message>
        <source>Sign Document...</source>
        <translation>文書に署名...</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>署名</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>テキストを認識</translation>
    </message>
    <message>
        <source>Edit Page Content</source>
        <translation>ページ内容を編集</translation>
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
        <translation>%1 を既定の PDF リーダーに設定</translation>
    </message>
    <message>
        <source>Quit program when all windows are closed</source>
        <translation>すべてのウィンドウを閉じたらプログラムを終了</translation>
    </message>
    <message>
        <source>Restore last view settings when reopening documents</source>
        <translation>文書を再び開くときに前回の表示設定を復元</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Display Language</source>
        <translation>表示言語</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>システムに合わせる</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Reopen documents from last time</source>
        <translation>前回のドキュメントを再度開く</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Open PDF</source>
        <translation>PDF を開く</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>PDF を作成</translation>
    </message>
    <message>
        <source>Popular Tools</source>
        <translation>人気のツール</translation>
    </message>
    <message>
        <source>Edit PDF</source>
        <translation>PDF を編集</translation>
    </message>
    <message>
        <source>Print PDF</source>
        <translation>PDF を印刷</translation>
    </message>
    <message>
        <source>Organize PDFs</source>
        <translation>PDF を整理</translation>
    </message>
    <message>
        <source>Encrypt PDF</source>
        <translation>PDF を暗号化</translation>
    </message>
    <message>
        <source>Edit text, images and links in your PDF effortlessly</source>
        <translation>PDF のテキスト、画像、リンクを簡単に編集</translation>
    </message>
    <message>
        <source>Create a Blank Page PDF in a second</source>
        <translation>空白ページの PDF を一瞬で作成</translation>
    </message>
    <message>
        <source>Print your PDF document quickly and easily</source>
        <translation>PDF 文書をすばやく簡単に印刷</translation>
    </message>
    <message>
        <source>Simply sort, add, delete PDF pages and etc.</source>
        <translation>PDF ページの並べ替え、追加、削除などを簡単に</translation>
    </message>
    <message>
        <source>Password protect your PDF from unauthorized access</source>
        <translation>パスワードで PDF を不正アクセスから保護</translation>
    </message>
    <message>
        <source>You&apos;ve gone Incognito</source>
        <translation>シークレットモードになりました</translation>
    </message>
    <message>
        <source>The history of the files you have viewed will not be saved.</source>
        <translation>表示したファイルの履歴は保存されません。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Add text, pictures and links to pages; move, resize or delete pictures; change where links lead. Text that is already on a page cannot be changed.</source>
        <translation>ページにテキスト、画像、リンクを追加し、画像の移動・サイズ変更・削除、リンク先の変更ができます。ページに既にあるテキストは変更できません。</translation>
    </message>
</context>
<context>
    <name>LogGuidBox</name>
    <message>
        <source>Log In Your Marvik Account</source>
        <translation>Marvik アカウントにログイン</translation>
    </message>
    <message>
        <source>Work across desktop &amp; mobile</source>
        <translation>デスクトップとモバイルで利用可能</translation>
    </message>
    <message>
        <source>Support multiple languages</source>
        <translation>多言語に対応</translation>
    </message>
    <message>
        <source>Free customer support</source>
        <translation>無料のカスタマーサポート</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>ログイン</translation>
    </message>
</context>
<context>
    <name>MKMainWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>バージョン: %1</translation>
    </message>
    <message>
        <source>System: %1</source>
        <translation>システム: %1</translation>
    </message>
    <message>
        <source>%1 %2 feedback</source>
        <translation>%1 %2 フィードバック</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>%1 としてサインイン中</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>サインアウト</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>MKMessageBox</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>ファイルの名前を変更できませんでした。ファイルが使用中であるか、フォルダーで変更が許可されていない可能性があります。</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>名前を変更できませんでした</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>開けませんでした</translation>
    </message>
    <message>
        <source>The attachment could not be read from the document.</source>
        <translation>文書から添付ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>The attachment could not be saved.</source>
        <translation>添付ファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>Do you want to save changes to &quot;%1&quot; before closing?</source>
        <translation>閉じる前に「%1」への変更を保存しますか？</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>保存しないと、変更内容は失われます。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cannot Organize Pages</source>
        <translation>ページを整理できません</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to organize it.</source>
        <translation>文書の権限ではページの変更が許可されていません。整理するには権限パスワードで開いてください。</translation>
    </message>
    <message>
        <source>Save the page changes to &quot;%1&quot;?</source>
        <translation>ページの変更を「%1」に保存しますか?</translation>
    </message>
    <message>
        <source>The reading view shows the pages once they are saved.</source>
        <translation>閲覧表示には保存後のページが表示されます。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>ファイルが移動、破損、または削除された可能性があります。</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Startup Page</source>
        <translation>スタートページ</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>PDF を開く</translation>
    </message>
    <message>
        <source>Open Tabs</source>
        <translation>開いているタブ</translation>
    </message>
    <message>
        <source>Shortcut already exists.</source>
        <translation>ショートカットはすでに存在します。</translation>
    </message>
    <message>
        <source>Shortcut successfully created!</source>
        <translation>ショートカットを作成しました！</translation>
    </message>
    <message>
        <source>Failed to create shortcuts.</source>
        <translation>ショートカットを作成できませんでした。</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>開けませんでした</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Do you want to close all tabs or the current tab?</source>
        <translation>すべてのタブを閉じますか？それとも現在のタブだけを閉じますか？</translation>
    </message>
    <message>
        <source>Always close all tabs</source>
        <translation>常にすべてのタブを閉じる</translation>
    </message>
    <message>
        <source>Close Current Tab</source>
        <translation>現在のタブを閉じる</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>すべてのタブを閉じる</translation>
    </message>
    <message>
        <source>Do you want to set %1 as your default PDF viewer?</source>
        <translation>%1 を既定の PDF ビューアーに設定しますか？</translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation>今後表示しない</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Failed to Create PDF</source>
        <translation>PDFを作成できませんでした</translation>
    </message>
    <message>
        <source>The new document could not be written to &quot;%1&quot;. Check that the folder exists and that you may write there.</source>
        <translation>新しいドキュメントを「%1」に書き込めませんでした。フォルダーが存在し、書き込み権限があることを確認してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an address on the network, not a file on this computer. Save the document, then open the saved file.</source>
        <translation>「%1」はネットワーク上のアドレスで、このコンピューターのファイルではありません。ドキュメントを保存してから、保存したファイルを開いてください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>「%1」が見つかりません。移動、名前の変更、または削除された可能性があります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a PDF document.</source>
        <translation>「%1」はフォルダーで、PDF ドキュメントではありません。</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>「%1」を読み取る権限がありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document, or it is too damaged to be recognised as one.</source>
        <translation>「%1」は PDF ドキュメントではないか、PDF と認識できないほど破損しています。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document but a file of another kind (%2).</source>
        <translation>「%1」は PDF ドキュメントではなく、別の種類のファイル(%2)です。</translation>
    </message>
</context>
<context>
    <name>PrivacyOption</name>
    <message>
        <source>Privacy</source>
        <translation>プライバシー</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>匿名の使用状況統計を送信する</translation>
    </message>
    <message>
        <source>Send crash reports</source>
        <translation>クラッシュレポートを送信する</translation>
    </message>
    <message>
        <source>Usage statistics count how often %1 starts and which features are used; a crash report holds what the program was doing when it crashed and the end of its log. Neither holds the names or content of your documents, and nothing is sent unless you tick it here.</source>
        <translation>使用状況統計は %1 の起動回数と使用された機能を数えます。クラッシュレポートには、クラッシュ時にプログラムが行っていた処理とログの末尾が含まれます。どちらにもドキュメントの名前や内容は含まれず、ここでチェックしない限り何も送信されません。</translation>
    </message>
</context>
<context>
    <name>QWKDialogBar</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>RecentPage</name>
    <message>
        <source>Recents</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>Incognito Mode</source>
        <translation>シークレットモード</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>リスト表示</translation>
    </message>
    <message>
        <source>Grid View</source>
        <translation>グリッド表示</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Files you have recently viewed or worked with will be listed here</source>
        <translation>最近表示または作業したファイルがここに表示されます</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>PDF を開く</translation>
    </message>
    <message>
        <source>Are you sure to clear all the records?</source>
        <translation>すべての履歴を消去してもよろしいですか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>最近使ったファイル</translation>
    </message>
</context>
<context>
    <name>ReportConsent</name>
    <message>
        <source>Help Improve %1</source>
        <translation>%1 の改善にご協力ください</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics and crash reports?</source>
        <translation>匿名の使用状況統計とクラッシュレポートを送信しますか?</translation>
    </message>
    <message>
        <source>They tell how often %1 starts and what made it crash, never which documents you open or anything about you. You can change this at any time in Preferences.</source>
        <translation>%1 の起動回数とクラッシュの原因がわかりますが、開いたドキュメントやあなたに関する情報は一切含まれません。この設定は環境設定でいつでも変更できます。</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
</context>
<context>
    <name>SettingOption</name>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Blank PDF</source>
        <translation>空白の PDF</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>プライバシー</translation>
    </message>
</context>
</TS>
