<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AssocGuidBox</name>
    <message>
        <source>Two Steps to Set %1 as the Default PDF Viewer</source>
        <translation>두 단계로 %1을(를) 기본 PDF 뷰어로 설정하기</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>1단계</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>2단계</translation>
    </message>
    <message>
        <source>Click %1 below, then click %2 in the pop-up.</source>
        <translation>아래의 %1을(를) 클릭한 다음 팝업에서 %2을(를) 클릭하세요.</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>기본값으로 설정</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>변경</translation>
    </message>
    <message>
        <source>Select %1 from the list, then click %2 to apply changes.</source>
        <translation>목록에서 %1을(를) 선택한 다음 %2을(를) 클릭하여 변경 사항을 적용하세요.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>BlankOption</name>
    <message>
        <source>Blank PDF</source>
        <translation>빈 PDF</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>페이지 수</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>페이지 크기</translation>
    </message>
    <message>
        <source>Fixed Size</source>
        <translation>고정 크기</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>방향</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>세로</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>가로</translation>
    </message>
    <message>
        <source>Lock aspect ratio</source>
        <translation>가로세로 비율 고정</translation>
    </message>
    <message>
        <source>Unlock aspect ration</source>
        <translation>가로세로 비율 고정 해제</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>가로세로 비율 유지</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>너비</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>높이</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>%1 정보</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>%1 is a tabbed PDF reader for the desktop.</source>
        <translation>%1은(는) 탭을 지원하는 데스크톱용 PDF 리더입니다.</translation>
    </message>
    <message>
        <source>This application uses open-source libraries, each under its own license.</source>
        <translation>이 애플리케이션은 오픈 소스 라이브러리를 사용하며, 각 라이브러리에는 고유한 라이선스가 적용됩니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>CAnnotationLayer</name>
    <message>
        <source>Add %1</source>
        <translation>%1 추가</translation>
    </message>
    <message>
        <source>Delete Comment</source>
        <translation>주석 삭제</translation>
    </message>
    <message>
        <source>Edit Comment Text</source>
        <translation>주석 텍스트 편집</translation>
    </message>
    <message>
        <source>Erase Comments</source>
        <translation>주석 지우기</translation>
    </message>
    <message>
        <source>Move Comment</source>
        <translation>주석 이동</translation>
    </message>
    <message>
        <source>Resize Comment</source>
        <translation>주석 크기 조정</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>텍스트 편집</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Change Comment Color</source>
        <translation>주석 색상 변경</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>CAnnotationPanel</name>
    <message>
        <source>Page %1 (%2)</source>
        <translation>%1페이지 (%2)</translation>
    </message>
    <message>
        <source>This document has no annotations.</source>
        <translation>이 문서에는 주석이 없습니다.</translation>
    </message>
</context>
<context>
    <name>CChangeWatcher</name>
    <message>
        <source>Document Changed</source>
        <translation>문서가 변경됨</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>&quot;%1&quot; 파일이 다른 프로그램에 의해 변경되었습니다. 다시 불러오고 저장하지 않은 변경 내용을 버리시겠습니까?</translation>
    </message>
    <message>
        <source>Keep My Version</source>
        <translation>내 버전 유지</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>다시 불러오기</translation>
    </message>
</context>
<context>
    <name>CClearEdit</name>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
</context>
<context>
    <name>CCommentController</name>
    <message>
        <source>Change Comment Color</source>
        <translation>주석 색상 변경</translation>
    </message>
    <message>
        <source>Change Comment Opacity</source>
        <translation>주석 불투명도 변경</translation>
    </message>
    <message>
        <source>Change Line Width</source>
        <translation>선 두께 변경</translation>
    </message>
    <message>
        <source>Change Font Size</source>
        <translation>글꼴 크기 변경</translation>
    </message>
    <message>
        <source>Cannot Add Comments</source>
        <translation>주석을 추가할 수 없음</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow adding comments.</source>
        <translation>문서 권한상 주석을 추가할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>CCommentOptions</name>
    <message>
        <source>Highlight</source>
        <translation>강조</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>밑줄</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>취소선</translation>
    </message>
    <message>
        <source>Squiggly</source>
        <translation>물결선</translation>
    </message>
    <message>
        <source>Sticky Note</source>
        <translation>스티커 메모</translation>
    </message>
    <message>
        <source>Text Box</source>
        <translation>텍스트 상자</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>펜</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>타원</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>선</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>화살표</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>지우개</translation>
    </message>
</context>
<context>
    <name>CCommentToolBar</name>
    <message>
        <source>Select Comments</source>
        <translation>주석 선택</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>다른 색상...</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>불투명도</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>두께</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>선 두께</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>글꼴 크기</translation>
    </message>
    <message>
        <source>Close Comment Tools</source>
        <translation>주석 도구 닫기</translation>
    </message>
</context>
<context>
    <name>CDocumentSaver</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 파일 (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Save</source>
        <translation>저장할 수 없음</translation>
    </message>
    <message>
        <source>Cannot Change Protection</source>
        <translation>보호를 변경할 수 없음</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot; with the protected version?</source>
        <translation>&quot;%1&quot;을(를) 보호된 버전으로 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>The file will need the password to open from now on.</source>
        <translation>이제부터 파일을 열려면 암호가 필요합니다.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>바꾸기</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>새 파일로 저장</translation>
    </message>
    <message>
        <source>Remove the password from &quot;%1&quot;?</source>
        <translation>&quot;%1&quot;의 암호를 제거하시겠습니까?</translation>
    </message>
    <message>
        <source>Anyone will be able to open the file.</source>
        <translation>누구나 파일을 열 수 있게 됩니다.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Saving will break the signatures of &quot;%1&quot;.</source>
        <translation>저장하면 &quot;%1&quot;의 서명이 무효가 됩니다.</translation>
    </message>
    <message>
        <source>Changed pages or protection rewrite the whole file, and the signatures in it will no longer be valid. Save as a new file to keep the signed original.</source>
        <translation>페이지나 보호를 변경하면 파일 전체를 다시 쓰므로 파일의 서명이 더 이상 유효하지 않습니다. 서명된 원본을 유지하려면 새 파일로 저장하십시오.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>그래도 저장</translation>
    </message>
</context>
<context>
    <name>CDocumentToolBar</name>
    <message>
        <source>Thumbnails</source>
        <translation>축소판</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>찾기 (Ctrl+F)</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>페이지 정리</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>이전 페이지</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>다음 페이지</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>실제 크기</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>페이지에 맞추기</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>너비에 맞추기</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>높이에 맞추기</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>읽기 모드 시작</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>주석</translation>
    </message>
    <message>
        <source>This document does not allow comments</source>
        <translation>이 문서는 주석을 허용하지 않습니다</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>페이지 번호</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>확대/축소</translation>
    </message>
</context>
<context>
    <name>CEditRecovery</name>
    <message>
        <source>Recover Changes</source>
        <translation>변경 내용 복구</translation>
    </message>
</context>
<context>
    <name>CEditSession</name>
    <message>
        <source>Restore Page Changes</source>
        <translation>페이지 변경 복원</translation>
    </message>
    <message>
        <source>Restore Recognized Text</source>
        <translation>인식된 텍스트 복원</translation>
    </message>
    <message>
        <source>Restore Page Edits</source>
        <translation>페이지 편집 복원</translation>
    </message>
</context>
<context>
    <name>CEncryptBox</name>
    <message>
        <source>Encrypt PDF</source>
        <translation>PDF 암호화</translation>
    </message>
    <message>
        <source>Set a password that is needed to open &quot;%1&quot;.</source>
        <translation>&quot;%1&quot;을(를) 여는 데 필요한 암호를 설정합니다.</translation>
    </message>
    <message>
        <source>Open password:</source>
        <translation>열기 암호:</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>암호 확인:</translation>
    </message>
    <message>
        <source>Restrict printing and editing with a permissions password</source>
        <translation>권한 암호로 인쇄 및 편집 제한</translation>
    </message>
    <message>
        <source>Permissions password:</source>
        <translation>권한 암호:</translation>
    </message>
    <message>
        <source>Allow printing</source>
        <translation>인쇄 허용</translation>
    </message>
    <message>
        <source>Allow copying text and images</source>
        <translation>텍스트 및 이미지 복사 허용</translation>
    </message>
    <message>
        <source>Allow editing</source>
        <translation>편집 허용</translation>
    </message>
    <message>
        <source>Allow commenting</source>
        <translation>주석 허용</translation>
    </message>
    <message>
        <source>Allow filling in forms</source>
        <translation>양식 채우기 허용</translation>
    </message>
    <message>
        <source>Allow inserting, deleting and rotating pages</source>
        <translation>페이지 삽입, 삭제 및 회전 허용</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>암호화:</translation>
    </message>
    <message>
        <source>AES-256 (recommended)</source>
        <translation>AES-256 (권장)</translation>
    </message>
    <message>
        <source>AES-128 (for older readers)</source>
        <translation>AES-128 (이전 리더용)</translation>
    </message>
    <message>
        <source>Remove Protection</source>
        <translation>보호 해제</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save as New File...</source>
        <translation>새 파일로 저장...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>약함</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>강함</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>강도: %1</translation>
    </message>
    <message>
        <source>Enter a password to open the document.</source>
        <translation>문서를 여는 암호를 입력하세요.</translation>
    </message>
    <message>
        <source>The passwords do not match. Type the open password again in both fields.</source>
        <translation>암호가 일치하지 않습니다. 두 칸 모두에 열기 암호를 다시 입력하세요.</translation>
    </message>
    <message>
        <source>Enter a permissions password, or turn the restrictions off.</source>
        <translation>권한 암호를 입력하거나 제한을 해제하세요.</translation>
    </message>
    <message>
        <source>The permissions passwords do not match. Type it again in both fields.</source>
        <translation>권한 암호가 일치하지 않습니다. 두 칸 모두에 다시 입력하세요.</translation>
    </message>
    <message>
        <source>The permissions password must differ from the open password.</source>
        <translation>권한 암호는 열기 암호와 달라야 합니다.</translation>
    </message>
</context>
<context>
    <name>CFileListView</name>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>고정</translation>
    </message>
    <message>
        <source>Unpin</source>
        <translation>고정 해제</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>파일 위치 열기</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>목록에서 제거</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>열 수 없음</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>파일이 이동되었거나 손상되었거나 삭제되었을 수 있습니다.</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>이름을 바꿀 수 없음</translation>
    </message>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>파일 이름을 바꿀 수 없습니다. 파일이 사용 중이거나 폴더에서 변경을 허용하지 않을 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>CFindBar</name>
    <message>
        <source>Find in document</source>
        <translation>문서에서 찾기</translation>
    </message>
    <message>
        <source>Previous Match (Shift+F3)</source>
        <translation>이전 일치 항목 (Shift+F3)</translation>
    </message>
    <message>
        <source>Next Match (F3)</source>
        <translation>다음 일치 항목 (F3)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>대/소문자 구분</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>단어 단위로</translation>
    </message>
    <message>
        <source>Show All Results</source>
        <translation>모든 결과 보기</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>닫기 (Esc)</translation>
    </message>
    <message>
        <source>No text in this document</source>
        <translation>이 문서에는 텍스트가 없습니다</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>결과 없음</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Stop Searching</source>
        <translation>검색 중지</translation>
    </message>
    <message>
        <source>%1 of %2, %3 of %4 pages searched</source>
        <translation>%1 / %2, %4페이지 중 %3페이지 검색함</translation>
    </message>
    <message>
        <source>%1 found, %2 of %3 pages searched</source>
        <translation>%1개 찾음, %3페이지 중 %2페이지 검색함</translation>
    </message>
    <message>
        <source>%1 of %2, stopped after %3 of %4 pages</source>
        <translation>%1 / %2, %4페이지 중 %3페이지에서 중지함</translation>
    </message>
    <message>
        <source>%1 found, stopped after %2 of %3 pages</source>
        <translation>%1개 찾음, %3페이지 중 %2페이지에서 중지함</translation>
    </message>
</context>
<context>
    <name>CFormBar</name>
    <message>
        <source>Highlight Fields</source>
        <translation>필드 강조</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>This document contains form fields you can fill in.</source>
        <translation>이 문서에는 입력할 수 있는 양식 필드가 있습니다.</translation>
    </message>
    <message>
        <source>This document contains form fields, but its permissions do not allow filling them in.</source>
        <translation>이 문서에는 양식 필드가 있지만 권한상 입력할 수 없습니다.</translation>
    </message>
    <message>
        <source>This form uses XFA, which is not supported. Its fields cannot be shown or filled in here.</source>
        <translation>이 양식은 지원되지 않는 XFA를 사용합니다. 여기서는 필드를 표시하거나 입력할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>CFormLayer</name>
    <message>
        <source>Reset Form</source>
        <translation>양식 재설정</translation>
    </message>
    <message>
        <source>Fill In Form</source>
        <translation>양식 입력</translation>
    </message>
</context>
<context>
    <name>CGotoPageBox</name>
    <message>
        <source>Go to Page</source>
        <translation>페이지로 이동</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>페이지</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>이동</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>페이지 번호</translation>
    </message>
</context>
<context>
    <name>CLinkActions</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Open this link?</source>
        <translation>이 링크를 여시겠습니까?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot;, which another program will open.</source>
        <translation>문서가 &quot;%1&quot;에 연결되어 있으며, 다른 프로그램이 이를 엽니다.</translation>
    </message>
    <message>
        <source>Cannot Open the Linked File</source>
        <translation>연결된 파일을 열 수 없습니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>&quot;%1&quot;을(를) 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Open this file?</source>
        <translation>이 파일을 여시겠습니까?</translation>
    </message>
    <message>
        <source>The document links to &quot;%1&quot; (%2), which another program will open.</source>
        <translation>문서가 &quot;%1&quot;(%2)에 연결되어 있으며, 다른 프로그램이 이를 엽니다.</translation>
    </message>
</context>
<context>
    <name>CLinkLayer</name>
    <message>
        <source>Go to page %1</source>
        <translation>%1페이지로 이동</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>%1에게 메일 쓰기</translation>
    </message>
    <message>
        <source>Open %1 at page %2</source>
        <translation>%1을(를) %2페이지에서 열기</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 열기</translation>
    </message>
    <message>
        <source>Viewer command: %1</source>
        <translation>뷰어 명령: %1</translation>
    </message>
    <message>
        <source>Runs the program %1; links that run programs are not followed</source>
        <translation>프로그램 %1을(를) 실행합니다. 프로그램을 실행하는 링크는 따르지 않습니다</translation>
    </message>
    <message>
        <source>Runs a script; links that run scripts are not followed</source>
        <translation>스크립트를 실행합니다. 스크립트를 실행하는 링크는 따르지 않습니다</translation>
    </message>
</context>
<context>
    <name>CLinkTargetBox</name>
    <message>
        <source>Link Target</source>
        <translation>링크 대상</translation>
    </message>
    <message>
        <source>Page of this document</source>
        <translation>이 문서의 페이지</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>페이지 번호</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>웹 주소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>CLoadingPage</name>
    <message>
        <source>Opening &quot;%1&quot;...</source>
        <translation>&quot;%1&quot; 여는 중...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>CMemberManager</name>
    <message>
        <source>Could not reach the account service. Please check your connection and try again.</source>
        <translation>계정 서비스에 연결할 수 없습니다. 연결을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Signing in is already in progress.</source>
        <translation>이미 로그인 중입니다.</translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address.</source>
        <translation>올바른 이메일 주소를 입력하세요.</translation>
    </message>
    <message>
        <source>Please enter your password.</source>
        <translation>비밀번호를 입력하세요.</translation>
    </message>
    <message>
        <source>The e-mail address or password is incorrect.</source>
        <translation>이메일 주소 또는 비밀번호가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>The account service sent an answer that could not be read. Please try again later.</source>
        <translation>계정 서비스에서 읽을 수 없는 응답을 보냈습니다. 나중에 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>CNssStore</name>
    <message>
        <source>The certificate store in %1 could not be opened.</source>
        <translation>%1의 인증서 저장소를 열 수 없습니다.</translation>
    </message>
    <message>
        <source>The certificate store is locked. Give its password first.</source>
        <translation>인증서 저장소가 잠겨 있습니다. 먼저 암호를 입력하세요.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>파일을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The file is not a certificate file (PKCS#12).</source>
        <translation>이 파일은 인증서 파일(PKCS#12)이 아닙니다.</translation>
    </message>
    <message>
        <source>The password does not open this certificate file.</source>
        <translation>이 암호로는 인증서 파일을 열 수 없습니다.</translation>
    </message>
    <message>
        <source>The certificate could not be added to the store in %1.</source>
        <translation>인증서를 %1의 저장소에 추가할 수 없습니다.</translation>
    </message>
    <message>
        <source>The file holds no certificate with its private key, so it cannot sign.</source>
        <translation>이 파일에는 개인 키가 있는 인증서가 없어 서명할 수 없습니다.</translation>
    </message>
    <message>
        <source>Digital signature</source>
        <translation>디지털 서명</translation>
    </message>
    <message>
        <source>Non-repudiation</source>
        <translation>부인 방지</translation>
    </message>
    <message>
        <source>Key encipherment</source>
        <translation>키 암호화</translation>
    </message>
    <message>
        <source>Data encipherment</source>
        <translation>데이터 암호화</translation>
    </message>
    <message>
        <source>Key agreement</source>
        <translation>키 합의</translation>
    </message>
    <message>
        <source>Certificate signing</source>
        <translation>인증서 서명</translation>
    </message>
    <message>
        <source>CRL signing</source>
        <translation>CRL 서명</translation>
    </message>
    <message>
        <source>Encipher only</source>
        <translation>암호화 전용</translation>
    </message>
</context>
<context>
    <name>COpenController</name>
    <message>
        <source>Failed to Open</source>
        <translation>열 수 없음</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>&quot;%1&quot;을(를) 찾을 수 없습니다. 이동되었거나 이름이 바뀌었거나 삭제되었을 수 있습니다.</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>&quot;%1&quot;을(를) 읽을 권한이 없습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be read.</source>
        <translation>&quot;%1&quot; 파일이 손상되어 읽을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>COrganizerBox</name>
    <message>
        <source>Rotate Left</source>
        <translation>왼쪽으로 회전</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>오른쪽으로 회전</translation>
    </message>
    <message>
        <source>Delete Pages</source>
        <translation>페이지 삭제</translation>
    </message>
    <message>
        <source>Duplicate Pages</source>
        <translation>페이지 복제</translation>
    </message>
    <message>
        <source>Insert Blank Page</source>
        <translation>빈 페이지 삽입</translation>
    </message>
    <message>
        <source>Insert Pages from File</source>
        <translation>파일에서 페이지 삽입</translation>
    </message>
    <message>
        <source>Extract Pages</source>
        <translation>페이지 추출</translation>
    </message>
    <message>
        <source>Split Document</source>
        <translation>문서 분할</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>실행 취소 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>다시 실행 (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Move Pages</source>
        <translation>페이지 이동</translation>
    </message>
    <message>
        <source>Pages: %1  Selected: %2</source>
        <translation>페이지: %1  선택: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cannot Delete Pages</source>
        <translation>페이지를 삭제할 수 없음</translation>
    </message>
    <message>
        <source>A document needs at least one page. Keep one page or more.</source>
        <translation>문서에는 한 페이지 이상이 있어야 합니다. 한 페이지 이상 남겨 두세요.</translation>
    </message>
    <message>
        <source>Cannot Insert Pages</source>
        <translation>페이지를 삽입할 수 없음</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. It may be damaged or not a PDF file.</source>
        <translation>&quot;%1&quot;을(를) 읽을 수 없습니다. 손상되었거나 PDF 파일이 아닐 수 있습니다.</translation>
    </message>
    <message>
        <source>Insert Pages</source>
        <translation>페이지 삽입</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 파일 (*.pdf)</translation>
    </message>
    <message>
        <source>Failed to Extract Pages</source>
        <translation>페이지를 추출하지 못했습니다</translation>
    </message>
    <message>
        <source>Failed to Split Document</source>
        <translation>문서를 분할하지 못했습니다</translation>
    </message>
</context>
<context>
    <name>COrganizerView</name>
    <message>
        <source>Pages</source>
        <translation>페이지</translation>
    </message>
</context>
<context>
    <name>CPageEditBar</name>
    <message>
        <source>Page Editing</source>
        <translation>페이지 편집</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>텍스트 추가</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>그림 추가</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>링크 추가</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>글꼴 크기</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>텍스트 색</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>다른 색...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Link Target...</source>
        <translation>링크 대상...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Leave page editing</source>
        <translation>페이지 편집 끝내기</translation>
    </message>
    <message>
        <source>Click where the text should start; Ctrl+Enter keeps it.</source>
        <translation>텍스트가 시작될 곳을 클릭하세요. Ctrl+Enter로 확정합니다.</translation>
    </message>
    <message>
        <source>Click where the picture should go.</source>
        <translation>그림을 넣을 곳을 클릭하세요.</translation>
    </message>
    <message>
        <source>Drag over the area that should become a link.</source>
        <translation>링크로 만들 영역을 드래그하세요.</translation>
    </message>
    <message>
        <source>Drag pictures to move them, their corners to resize them.</source>
        <translation>그림을 드래그하면 이동하고, 모서리를 드래그하면 크기가 바뀝니다.</translation>
    </message>
</context>
<context>
    <name>CPageEditController</name>
    <message>
        <source>Cannot Edit Pages</source>
        <translation>페이지를 편집할 수 없음</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to edit them.</source>
        <translation>문서 권한상 페이지를 변경할 수 없습니다. 편집하려면 권한 암호로 여세요.</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; first?</source>
        <translation>&quot;%1&quot;의 변경 내용을 먼저 저장할까요?</translation>
    </message>
    <message>
        <source>Page editing starts from the saved document.</source>
        <translation>페이지 편집은 저장된 문서에서 시작합니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Save the page edits to &quot;%1&quot;?</source>
        <translation>페이지 편집을 &quot;%1&quot;에 저장할까요?</translation>
    </message>
    <message>
        <source>Pages show their edits until you leave page editing.</source>
        <translation>페이지 편집을 끝낼 때까지 페이지에 편집 내용이 표시됩니다.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Cannot Edit the Page</source>
        <translation>페이지를 편집할 수 없음</translation>
    </message>
    <message>
        <source>The document has no page %1.</source>
        <translation>문서에 %1페이지가 없습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address a link can lead to.</source>
        <translation>&quot;%1&quot;은(는) 링크가 연결될 수 있는 웹 주소가 아닙니다.</translation>
    </message>
    <message>
        <source>The change does not fit the page.</source>
        <translation>변경 내용이 페이지에 맞지 않습니다.</translation>
    </message>
    <message>
        <source>The text could not be added here.</source>
        <translation>여기에는 텍스트를 추가할 수 없습니다.</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>텍스트 추가</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read.</source>
        <translation>그림 &quot;%1&quot;을(를) 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>그림 추가</translation>
    </message>
    <message>
        <source>Resize Picture</source>
        <translation>그림 크기 조정</translation>
    </message>
    <message>
        <source>Move Picture</source>
        <translation>그림 이동</translation>
    </message>
    <message>
        <source>Resize Text</source>
        <translation>텍스트 크기 조정</translation>
    </message>
    <message>
        <source>Move Text</source>
        <translation>텍스트 이동</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>링크 제거</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>그림 삭제</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>텍스트 삭제</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>링크 추가</translation>
    </message>
    <message>
        <source>Change Link</source>
        <translation>링크 변경</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>그림 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The change could not be made (%1).</source>
        <translation>변경할 수 없습니다(%1).</translation>
    </message>
</context>
<context>
    <name>CPageEditLayer</name>
    <message>
        <source>Text to add</source>
        <translation>추가할 텍스트</translation>
    </message>
    <message>
        <source>Leads nowhere</source>
        <translation>연결 대상 없음</translation>
    </message>
    <message>
        <source>Double-click to change where it leads</source>
        <translation>두 번 클릭하여 연결 대상 변경</translation>
    </message>
</context>
<context>
    <name>CPageView</name>
    <message>
        <source>The document&apos;s permissions do not allow copying its text.</source>
        <translation>문서 권한에 따라 텍스트를 복사할 수 없습니다.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%2페이지 중 %1페이지</translation>
    </message>
</context>
<context>
    <name>CPasswordBox</name>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is protected. Enter the password to open it.</source>
        <translation>&quot;%1&quot;은(는) 보호되어 있습니다. 열려면 비밀번호를 입력하세요.</translation>
    </message>
    <message>
        <source>Incorrect password. Please try again.</source>
        <translation>비밀번호가 올바르지 않습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
</context>
<context>
    <name>CPdfImage</name>
    <message>
        <source>The file is not a PNG or JPEG picture.</source>
        <translation>파일이 PNG 또는 JPEG 그림이 아닙니다.</translation>
    </message>
    <message>
        <source>The picture is too large or damaged.</source>
        <translation>그림이 너무 크거나 손상되었습니다.</translation>
    </message>
</context>
<context>
    <name>CPdfPrinter</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Cannot Print</source>
        <translation>인쇄할 수 없음</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow printing it. Open it with its permissions password to print it.</source>
        <translation>문서 권한에 따라 인쇄할 수 없습니다. 인쇄하려면 권한 암호로 문서를 여십시오.</translation>
    </message>
    <message>
        <source>Failed to Print</source>
        <translation>인쇄 실패</translation>
    </message>
    <message>
        <source>No printer and no file to print to were chosen.</source>
        <translation>인쇄할 프린터나 파일을 선택하지 않았습니다.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Preparing the pages...</source>
        <translation>페이지를 준비하는 중...</translation>
    </message>
    <message>
        <source>Sending to &quot;%1&quot;...</source>
        <translation>&quot;%1&quot;(으)로 보내는 중...</translation>
    </message>
    <message>
        <source>Writing &quot;%1&quot;...</source>
        <translation>&quot;%1&quot;에 쓰는 중...</translation>
    </message>
</context>
<context>
    <name>CPresentationView</name>
    <message>
        <source>Presentation</source>
        <translation>프레젠테이션</translation>
    </message>
</context>
<context>
    <name>CPrintJob</name>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>&quot;%1&quot; 페이지가 문서에 없습니다.</translation>
    </message>
    <message>
        <source>No temporary folder could be made for the print job (%1).</source>
        <translation>인쇄 작업용 임시 폴더를 만들 수 없습니다(%1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: its folder or the file does not allow changes. Print to another file.</source>
        <translation>&quot;%1&quot;에 쓸 수 없습니다. 폴더나 파일이 변경을 허용하지 않습니다. 다른 파일로 인쇄하십시오.</translation>
    </message>
    <message>
        <source>The printing service does not answer at %1.</source>
        <translation>%1의 인쇄 서비스가 응답하지 않습니다.</translation>
    </message>
    <message>
        <source>No printer is set up (%1).</source>
        <translation>설정된 프린터가 없습니다(%1).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be found (%2).</source>
        <translation>&quot;%1&quot; 프린터를 찾을 수 없습니다(%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation>&quot;%1&quot; 프린터가 작업을 받지 않았습니다: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the document being printed. Print to another file.</source>
        <translation>&quot;%1&quot;은(는) 인쇄 중인 문서입니다. 다른 파일로 인쇄하십시오.</translation>
    </message>
</context>
<context>
    <name>CPropertiesBox</name>
    <message>
        <source>Document Properties</source>
        <translation>문서 속성</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>제목</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>작성자</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>주제</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>키워드</translation>
    </message>
    <message>
        <source>Creator</source>
        <translation>응용 프로그램</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>PDF 제작 도구</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>만든 날짜</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>수정한 날짜</translation>
    </message>
    <message>
        <source>PDF Version</source>
        <translation>PDF 버전</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>페이지 수</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>페이지 크기</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>파일 크기</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>보안</translation>
    </message>
    <message>
        <source>Password protected</source>
        <translation>비밀번호로 보호됨</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>CRecognizeBar</name>
    <message>
        <source>Text recognition</source>
        <translation>텍스트 인식</translation>
    </message>
    <message>
        <source>This page</source>
        <translation>이 페이지</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>모든 페이지</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>페이지:</translation>
    </message>
    <message>
        <source>Pages to recognize</source>
        <translation>인식할 페이지</translation>
    </message>
    <message>
        <source>e.g. 1-3, 5</source>
        <translation>예: 1-3, 5</translation>
    </message>
    <message>
        <source>Page numbers to recognize</source>
        <translation>인식할 페이지 번호</translation>
    </message>
    <message>
        <source>Languages of the text</source>
        <translation>텍스트 언어</translation>
    </message>
    <message>
        <source>The languages the pages are written in</source>
        <translation>페이지가 작성된 언어</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>텍스트 인식</translation>
    </message>
    <message>
        <source>Recognition progress</source>
        <translation>인식 진행률</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Cancel text recognition</source>
        <translation>텍스트 인식 취소</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Close the text recognition bar</source>
        <translation>텍스트 인식 막대 닫기</translation>
    </message>
    <message>
        <source>No language</source>
        <translation>언어 없음</translation>
    </message>
    <message>
        <source>Recognizing text, pages done: %1 of %2</source>
        <translation>텍스트 인식 중, 완료된 페이지: %1 / %2</translation>
    </message>
</context>
<context>
    <name>CRecognizeController</name>
    <message>
        <source>eng</source>
        <comment>The text recognition language of this translation, as its data file is named (ISO 639-2: deu, fra, chi_sim...)</comment>
        <translation>kor</translation>
    </message>
    <message>
        <source>No text recognition languages are installed.</source>
        <translation>텍스트 인식 언어가 설치되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>This page is a scan without text. No text recognition languages are installed.</source>
        <translation>이 페이지는 텍스트가 없는 스캔입니다. 텍스트 인식 언어가 설치되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>This page is a scan without text.</source>
        <translation>이 페이지는 텍스트가 없는 스캔입니다.</translation>
    </message>
    <message>
        <source>This page has text already; only pages without text are recognized.</source>
        <translation>이 페이지에는 이미 텍스트가 있습니다. 텍스트가 없는 페이지만 인식됩니다.</translation>
    </message>
    <message>
        <source>The pages &quot;%1&quot; are not in the document.</source>
        <translation>페이지 &quot;%1&quot;은(는) 문서에 없습니다.</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>텍스트 인식</translation>
    </message>
    <message>
        <source>Done: the text can now be searched, selected and copied. Save to keep it.</source>
        <translation>완료: 이제 텍스트를 검색, 선택, 복사할 수 있습니다. 유지하려면 저장하세요.</translation>
    </message>
    <message>
        <source>Every page chosen has text already. Nothing was changed.</source>
        <translation>선택한 모든 페이지에 이미 텍스트가 있습니다. 아무것도 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>Text recognition was cancelled. Nothing was changed.</source>
        <translation>텍스트 인식이 취소되었습니다. 아무것도 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>Text recognition failed (%1). Nothing was changed.</source>
        <translation>텍스트 인식에 실패했습니다(%1). 아무것도 변경되지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>CRenameBox</name>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>The file name cannot be empty.</source>
        <translation>파일 이름은 비워 둘 수 없습니다.</translation>
    </message>
    <message>
        <source>A file name can&apos;t contain any of the following characters: \ / : * ? &quot; &lt; &gt; |</source>
        <translation>파일 이름에는 다음 문자를 사용할 수 없습니다: \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name.</source>
        <translation>이 이름은 파일 이름으로 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>A file with this name already exists.</source>
        <translation>같은 이름의 파일이 이미 있습니다.</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>새 이름</translation>
    </message>
</context>
<context>
    <name>CReviewDialog</name>
    <message>
        <source>Enjoying %1?</source>
        <translation>%1이(가) 마음에 드시나요?</translation>
    </message>
    <message>
        <source>Rate Now</source>
        <translation>지금 평가하기</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Don&apos;t Ask Again</source>
        <translation>다시 묻지 않기</translation>
    </message>
</context>
<context>
    <name>CSavePipeline</name>
    <message>
        <source>&quot;%1&quot; was moved or deleted while it was open. Nothing was written.</source>
        <translation>열려 있는 동안 &quot;%1&quot;이(가) 이동되거나 삭제되었습니다. 아무것도 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program while it was open. Nothing was written; open it again to make your changes.</source>
        <translation>열려 있는 동안 다른 프로그램이 &quot;%1&quot;을(를) 변경했습니다. 아무것도 쓰지 않았습니다. 다시 열어 변경하세요.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read (%2). Nothing was written.</source>
        <translation>&quot;%1&quot;을(를) 읽을 수 없습니다(%2). 아무것도 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>This document was opened with its open password only. To change its protection, open it with its permissions password.</source>
        <translation>이 문서는 열기 암호로만 열렸습니다. 보호를 변경하려면 권한 암호로 여세요.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not allow changes. Choose another folder with Save As.</source>
        <translation>&quot;%1&quot; 폴더는 변경을 허용하지 않습니다. 다른 이름으로 저장으로 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only. Choose another file with Save As.</source>
        <translation>&quot;%1&quot;은(는) 읽기 전용입니다. 다른 이름으로 저장으로 다른 파일을 선택하세요.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2). The file was left as it was.</source>
        <translation>&quot;%1&quot;에 쓸 수 없습니다(%2). 파일은 그대로입니다.</translation>
    </message>
    <message>
        <source>The changes could not be prepared for writing (%1). Nothing was written.</source>
        <translation>쓰기를 위해 변경 내용을 준비하지 못했습니다(%1). 아무것도 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved but could not be opened again (%2).</source>
        <translation>&quot;%1&quot;을(를) 저장했지만 다시 열 수 없습니다(%2).</translation>
    </message>
</context>
<context>
    <name>CSearchResultModel</name>
    <message>
        <source>Page %1</source>
        <translation>%1페이지</translation>
    </message>
</context>
<context>
    <name>CSessionKeeper</name>
    <message>
        <source>%1 did not close properly last time. Your documents have been reopened.</source>
        <translation>%1이(가) 지난번에 제대로 종료되지 않았습니다. 문서를 다시 열었습니다.</translation>
    </message>
    <message>
        <source>These documents could not be found and were not reopened:</source>
        <translation>다음 문서를 찾을 수 없어 다시 열지 않았습니다:</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1?</source>
        <translation>%1의 저장되지 않은 변경 내용을 복구하시겠습니까?</translation>
    </message>
    <message>
        <source>The changes were kept when the document was last open. If you discard them, they cannot be brought back.</source>
        <translation>변경 내용은 문서를 마지막으로 열었을 때 보관되었습니다. 삭제하면 되돌릴 수 없습니다.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>복구</translation>
    </message>
    <message>
        <source>Failed to Recover</source>
        <translation>복구 실패</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 no longer fit the file.</source>
        <translation>%1의 저장되지 않은 변경 내용이 더 이상 파일과 맞지 않습니다.</translation>
    </message>
    <message>
        <source>Save as New File</source>
        <translation>새 파일로 저장</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 are kept</source>
        <translation>%1의 저장되지 않은 변경 내용이 보관됩니다</translation>
    </message>
    <message>
        <source>The document cannot be found at &quot;%1&quot; right now. Its changes are offered again once it is back there.</source>
        <translation>지금은 &quot;%1&quot;에서 문서를 찾을 수 없습니다. 문서가 다시 그곳에 있으면 변경 내용을 다시 제안합니다.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>보관</translation>
    </message>
    <message>
        <source>The last session had more windows and tabs than are reopened at once. Documents not reopened: %1</source>
        <translation>지난 세션에는 한 번에 다시 여는 수보다 많은 창과 탭이 있었습니다. 다시 열지 않은 문서: %1</translation>
    </message>
</context>
<context>
    <name>CSidePanel</name>
    <message>
        <source>Thumbnails</source>
        <translation>축소판</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>책갈피</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>주석</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>첨부 파일</translation>
    </message>
    <message>
        <source>This document has no bookmarks.</source>
        <translation>이 문서에는 책갈피가 없습니다.</translation>
    </message>
    <message>
        <source>This document has no attachments.</source>
        <translation>이 문서에는 첨부 파일이 없습니다.</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>검색 결과</translation>
    </message>
    <message>
        <source>In a comment on page %1</source>
        <translation>%1페이지의 주석 안</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>서명</translation>
    </message>
</context>
<context>
    <name>CSignBox</name>
    <message>
        <source>Sign Document</source>
        <translation>문서 서명</translation>
    </message>
    <message>
        <source>Sign &quot;%1&quot; with a certificate of your certificate store. The signed document is saved as a new file; this one stays as it is.</source>
        <translation>인증서 저장소의 인증서로 &quot;%1&quot;에 서명합니다. 서명된 문서는 새 파일로 저장되며 이 파일은 그대로 남습니다.</translation>
    </message>
    <message>
        <source>Certificate store password</source>
        <translation>인증서 저장소 암호</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>잠금 해제</translation>
    </message>
    <message>
        <source>Certificate:</source>
        <translation>인증서:</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>인증서</translation>
    </message>
    <message>
        <source>Your certificate store has no certificate to sign with. Import one from a PKCS#12 file (.p12, .pfx).</source>
        <translation>인증서 저장소에 서명할 인증서가 없습니다. PKCS#12 파일(.p12, .pfx)에서 가져오세요.</translation>
    </message>
    <message>
        <source>Import Certificate...</source>
        <translation>인증서 가져오기...</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>사유</translation>
    </message>
    <message>
        <source>For example: I approve this document</source>
        <translation>예: 이 문서를 승인합니다</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>사유:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>장소</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>장소:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>그림</translation>
    </message>
    <message>
        <source>Optional: a PNG or JPEG shown in the signature</source>
        <translation>선택 사항: 서명에 표시할 PNG 또는 JPEG</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>선택...</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>그림 선택</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>그림:</translation>
    </message>
    <message>
        <source>Sign and Save As...</source>
        <translation>서명하고 다른 이름으로 저장...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Issued by %1, valid from %2 to %3</source>
        <translation>발급자 %1, 유효 기간 %2 ~ %3</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>키 용도: %1</translation>
    </message>
    <message>
        <source>This is not the password of your certificate store.</source>
        <translation>인증서 저장소의 암호가 아닙니다.</translation>
    </message>
    <message>
        <source>Import Certificate</source>
        <translation>인증서 가져오기</translation>
    </message>
    <message>
        <source>Certificate Files (*.p12 *.pfx)</source>
        <translation>인증서 파일 (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>Password of the certificate file:</source>
        <translation>인증서 파일 암호:</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>그림 선택</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>그림 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with, or import one.</source>
        <translation>서명할 인증서를 선택하거나 가져오세요.</translation>
    </message>
    <message>
        <source>The picture must be a PNG or JPEG file.</source>
        <translation>그림은 PNG 또는 JPEG 파일이어야 합니다.</translation>
    </message>
</context>
<context>
    <name>CSignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>CSignatureBar</name>
    <message>
        <source>Signatures</source>
        <translation>서명</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>문서 서명</translation>
    </message>
    <message>
        <source>Signature Panel</source>
        <translation>서명 패널</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Close the signature bar</source>
        <translation>서명 표시줄 닫기</translation>
    </message>
    <message>
        <source>an unknown signer</source>
        <translation>알 수 없는 서명자</translation>
    </message>
    <message>
        <source>Signed by %1, every signature is valid.</source>
        <translation>%1 님이 서명했으며 모든 서명이 유효합니다.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is valid.</source>
        <translation>%1 님이 서명했으며 서명이 유효합니다.</translation>
    </message>
    <message>
        <source>Signed by %1; the document was changed after %2 signed it.</source>
        <translation>%1 님이 서명했으며 %2 님의 서명 후 문서가 변경되었습니다.</translation>
    </message>
    <message>
        <source>Signed by %1, the document was changed after signing.</source>
        <translation>%1 님이 서명했으며 서명 후 문서가 변경되었습니다.</translation>
    </message>
    <message>
        <source>Signed by %1; the certificate of %2 is not trusted.</source>
        <translation>%1 님이 서명했으며 %2 님의 인증서를 신뢰할 수 없습니다.</translation>
    </message>
    <message>
        <source>Signed by %1, the certificate is not trusted.</source>
        <translation>%1 님이 서명했으며 인증서를 신뢰할 수 없습니다.</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 is not valid.</source>
        <translation>%1 님이 서명했으며 %2 님의 서명이 유효하지 않습니다.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature is not valid.</source>
        <translation>%1 님이 서명했으며 서명이 유효하지 않습니다.</translation>
    </message>
    <message>
        <source>Signed by %1; the signature of %2 cannot be checked.</source>
        <translation>%1 님이 서명했으며 %2 님의 서명을 확인할 수 없습니다.</translation>
    </message>
    <message>
        <source>Signed by %1, the signature cannot be checked.</source>
        <translation>%1 님이 서명했으며 서명을 확인할 수 없습니다.</translation>
    </message>
    <message>
        <source>This document has a signature field waiting to be signed.</source>
        <translation>이 문서에 서명을 기다리는 서명 필드가 있습니다.</translation>
    </message>
    <message>
        <source>The signatures cannot be checked: the file changed since it was opened.</source>
        <translation>서명을 확인할 수 없습니다. 파일을 연 후 파일이 변경되었습니다.</translation>
    </message>
    <message>
        <source>Drag a box on a page for the signature, or click an empty signature field. Enter places it on the current page; Esc cancels.</source>
        <translation>페이지에서 서명 상자를 끌거나 빈 서명 필드를 클릭하세요. Enter 키는 현재 페이지에 배치하고 Esc 키는 취소합니다.</translation>
    </message>
</context>
<context>
    <name>CSignatureController</name>
    <message>
        <source>Failed to Sign</source>
        <translation>서명 실패</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>열 수 없음</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before signing?</source>
        <translation>서명하기 전에 &quot;%1&quot;의 변경 내용을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>A signature covers the document as it is saved.</source>
        <translation>서명은 저장된 상태의 문서에 적용됩니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Save Signed Document</source>
        <translation>서명된 문서 저장</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 파일 (*.pdf)</translation>
    </message>
    <message>
        <source>Digitally signed by %1</source>
        <translation>%1 님이 디지털 서명함</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>날짜: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>사유: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>장소: %1</translation>
    </message>
    <message>
        <source>%1 (as signed by %2).pdf</source>
        <translation>%1 (%2 님이 서명한 상태).pdf</translation>
    </message>
    <message>
        <source>unknown signer</source>
        <translation>알 수 없는 서명자</translation>
    </message>
</context>
<context>
    <name>CSignaturePanel</name>
    <message>
        <source>Signatures</source>
        <translation>서명</translation>
    </message>
    <message>
        <source>Open Signed Version</source>
        <translation>서명된 버전 열기</translation>
    </message>
    <message>
        <source>Opens the document as it was when the selected signature was made, in a new tab.</source>
        <translation>선택한 서명이 만들어졌을 때의 문서를 새 탭에서 엽니다.</translation>
    </message>
    <message>
        <source>Sign Document</source>
        <translation>문서 서명</translation>
    </message>
    <message>
        <source>The signature is valid.</source>
        <translation>서명이 유효합니다.</translation>
    </message>
    <message>
        <source>The signature cannot be checked.</source>
        <translation>서명을 확인할 수 없습니다.</translation>
    </message>
    <message>
        <source>The signature is intact, but the certificate is not trusted.</source>
        <translation>서명은 손상되지 않았지만 인증서를 신뢰할 수 없습니다.</translation>
    </message>
    <message>
        <source>The document was changed after signing.</source>
        <translation>서명 후 문서가 변경되었습니다.</translation>
    </message>
    <message>
        <source>The signature is not valid.</source>
        <translation>서명이 유효하지 않습니다.</translation>
    </message>
    <message>
        <source>Not signed yet.</source>
        <translation>아직 서명되지 않았습니다.</translation>
    </message>
    <message>
        <source>The certificate is trusted.</source>
        <translation>인증서를 신뢰할 수 있습니다.</translation>
    </message>
    <message>
        <source>Its issuer is marked as not trusted.</source>
        <translation>발급자가 신뢰할 수 없음으로 표시되어 있습니다.</translation>
    </message>
    <message>
        <source>Its issuer is not among the trusted certificates of this computer.</source>
        <translation>발급자가 이 컴퓨터의 신뢰할 수 있는 인증서에 없습니다.</translation>
    </message>
    <message>
        <source>The certificate was revoked by its issuer.</source>
        <translation>발급자가 인증서를 해지했습니다.</translation>
    </message>
    <message>
        <source>The certificate was not valid at the time of signing.</source>
        <translation>서명 당시 인증서가 유효하지 않았습니다.</translation>
    </message>
    <message>
        <source>The certificate could not be checked.</source>
        <translation>인증서를 확인할 수 없습니다.</translation>
    </message>
    <message>
        <source>Checking the signatures...</source>
        <translation>서명을 확인하는 중...</translation>
    </message>
    <message>
        <source>This document has no signatures.</source>
        <translation>이 문서에는 서명이 없습니다.</translation>
    </message>
    <message>
        <source>Unknown signer</source>
        <translation>알 수 없는 서명자</translation>
    </message>
    <message>
        <source>Empty signature field %1</source>
        <translation>빈 서명 필드 %1</translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; on page %2</source>
        <translation>%2페이지의 &quot;%1&quot; 필드</translation>
    </message>
    <message>
        <source>On page %1</source>
        <translation>%1페이지</translation>
    </message>
    <message>
        <source>Signed on %1</source>
        <translation>서명 일시 %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>사유: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>장소: %1</translation>
    </message>
    <message>
        <source>Covers the whole document.</source>
        <translation>문서 전체에 적용됩니다.</translation>
    </message>
    <message>
        <source>Covers an earlier revision of the document (its first %1 bytes); later changes are not signed.</source>
        <translation>문서의 이전 버전(처음 %1바이트)에 적용됩니다. 이후 변경 내용은 서명되지 않았습니다.</translation>
    </message>
    <message>
        <source>Certificate issued by %1</source>
        <translation>인증서 발급자: %1</translation>
    </message>
    <message>
        <source>The certificate is self-signed.</source>
        <translation>자체 서명된 인증서입니다.</translation>
    </message>
    <message>
        <source>Certificate valid from %1 to %2</source>
        <translation>인증서 유효 기간 %1 ~ %2</translation>
    </message>
    <message>
        <source>Key usage: %1</source>
        <translation>키 용도: %1</translation>
    </message>
    <message>
        <source>Subject: %1</source>
        <translation>주체: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>일련 번호: %1</translation>
    </message>
</context>
<context>
    <name>CSignatures</name>
    <message>
        <source>The signed document must be saved as a new file; the original stays as it is.</source>
        <translation>서명된 문서는 새 파일로 저장해야 하며 원본은 그대로 남습니다.</translation>
    </message>
    <message>
        <source>Choose a certificate to sign with.</source>
        <translation>서명할 인증서를 선택하세요.</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>문서를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The folder of the new file does not allow writing.</source>
        <translation>새 파일의 폴더에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>The document could not be signed: there is no room for a temporary file.</source>
        <translation>문서에 서명할 수 없습니다. 임시 파일을 만들 공간이 없습니다.</translation>
    </message>
    <message>
        <source>The document has no signature field of this name.</source>
        <translation>문서에 이 이름의 서명 필드가 없습니다.</translation>
    </message>
    <message>
        <source>This signature field is signed already.</source>
        <translation>이 서명 필드는 이미 서명되었습니다.</translation>
    </message>
    <message>
        <source>Draw the place of the signature on a page first.</source>
        <translation>먼저 페이지에 서명 위치를 그리세요.</translation>
    </message>
    <message>
        <source>The document could not be signed with this certificate. Its key may be missing from the store, or the store may be locked.</source>
        <translation>이 인증서로 문서에 서명할 수 없습니다. 저장소에 키가 없거나 저장소가 잠겨 있을 수 있습니다.</translation>
    </message>
    <message>
        <source>The signed document could not be written to %1.</source>
        <translation>서명된 문서를 %1에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>The signed version is no longer in the file.</source>
        <translation>서명된 버전이 더 이상 파일에 없습니다.</translation>
    </message>
    <message>
        <source>The signed version could not be written to %1.</source>
        <translation>서명된 버전을 %1에 쓸 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>CSplitBox</name>
    <message>
        <source>Split Document</source>
        <translation>문서 분할</translation>
    </message>
    <message>
        <source>Pages per file:</source>
        <translation>파일당 페이지 수:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>분할</translation>
    </message>
    <message>
        <source>The %1 pages become %2 files.</source>
        <translation>%1페이지가 %2개 파일이 됩니다.</translation>
    </message>
</context>
<context>
    <name>CTabBar</name>
    <message>
        <source>Close Tab</source>
        <translation>탭 닫기</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>문서</translation>
    </message>
</context>
<context>
    <name>CTabListWidget</name>
    <message>
        <source>Open Tabs</source>
        <translation>열린 탭</translation>
    </message>
</context>
<context>
    <name>CTextOverlay</name>
    <message>
        <source>The text is too long: at most %1 characters can be added at once.</source>
        <translation>텍스트가 너무 깁니다. 한 번에 최대 %1자까지 추가할 수 있습니다.</translation>
    </message>
    <message>
        <source>The text must start on the page.</source>
        <translation>텍스트는 페이지 안에서 시작해야 합니다.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed.</source>
        <translation>글꼴 &quot;%1&quot;이(가) 설치되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; has no character for &quot;%2&quot;. Choose a font that has it.</source>
        <translation>글꼴 &quot;%1&quot;에는 &quot;%2&quot; 문자가 없습니다. 이 문자가 있는 글꼴을 선택하세요.</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; cannot be embedded in a document. Choose another font.</source>
        <translation>글꼴 &quot;%1&quot;은(는) 문서에 포함할 수 없습니다. 다른 글꼴을 선택하세요.</translation>
    </message>
</context>
<context>
    <name>CTextRecognizer</name>
    <message>
        <source>no text recognition languages are installed</source>
        <translation>텍스트 인식 언어가 설치되어 있지 않습니다</translation>
    </message>
    <message>
        <source>no language data for &quot;%1&quot; is installed</source>
        <translation>&quot;%1&quot;의 언어 데이터가 설치되어 있지 않습니다</translation>
    </message>
    <message>
        <source>no language chosen</source>
        <translation>선택한 언어가 없습니다</translation>
    </message>
    <message>
        <source>the language data could not be read</source>
        <translation>언어 데이터를 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>no picture to read</source>
        <translation>읽을 이미지가 없습니다</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>메모리가 부족합니다</translation>
    </message>
    <message>
        <source>the picture could not be read</source>
        <translation>이미지를 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>the text could not be written</source>
        <translation>텍스트를 기록할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>CUpdateDialog</name>
    <message>
        <source>Check for Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>You are using version %1.</source>
        <translation>현재 버전 %1을(를) 사용 중입니다.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>업데이트 확인 중...</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1이(가) 최신 버전입니다.</translation>
    </message>
    <message>
        <source>A new version %1 is available.</source>
        <translation>새 버전 %1을(를) 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Could not reach the update service. Please check your connection and try again.</source>
        <translation>업데이트 서비스에 연결할 수 없습니다. 연결을 확인한 후 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>CWindowTitleBar</name>
    <message>
        <source>Main Menu</source>
        <translation>기본 메뉴</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>이전 크기로</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>DisplayOption</name>
    <message>
        <source>Display</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>Default Page View</source>
        <translation>기본 페이지 보기</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>실제 크기</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>페이지에 맞추기</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>너비에 맞추기</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>높이에 맞추기</translation>
    </message>
    <message>
        <source>Default Page Layout</source>
        <translation>기본 페이지 레이아웃</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>한 페이지 보기</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>한 페이지 스크롤</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>두 페이지 보기</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>두 페이지 스크롤</translation>
    </message>
    <message>
        <source>Default Cursor</source>
        <translation>기본 커서</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>손 도구</translation>
    </message>
</context>
<context>
    <name>DocumentMenu</name>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Open Recents</source>
        <translation>최근 파일 열기</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>PDF 만들기</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>탭 닫기</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <source>Close All Windows</source>
        <translation>모든 창 닫기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>Open File Location</source>
        <translation>파일 위치 열기</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>공유</translation>
    </message>
    <message>
        <source>Document Properties</source>
        <translation>문서 속성</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>Single Page View</source>
        <translation>한 페이지 보기</translation>
    </message>
    <message>
        <source>Single Page Scrolling</source>
        <translation>한 페이지 스크롤</translation>
    </message>
    <message>
        <source>Two Page View</source>
        <translation>두 페이지 보기</translation>
    </message>
    <message>
        <source>Two Page Scrolling</source>
        <translation>두 페이지 스크롤</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>축소판</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>책갈피</translation>
    </message>
    <message>
        <source>Annotations</source>
        <translation>주석</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>첨부 파일</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>확대/축소</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>실제 크기</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>페이지에 맞추기</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>너비에 맞추기</translation>
    </message>
    <message>
        <source>Fit Height</source>
        <translation>높이에 맞추기</translation>
    </message>
    <message>
        <source>Enter Read Mode</source>
        <translation>읽기 모드 시작</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>이동</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>첫 페이지</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>마지막 페이지</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>이전 페이지</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>다음 페이지</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>위로</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>아래로</translation>
    </message>
    <message>
        <source>Go to Page</source>
        <translation>페이지로 이동</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>창</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Move Window to Left Side of Screen</source>
        <translation>창을 화면 왼쪽으로 이동</translation>
    </message>
    <message>
        <source>Move Window to Right Side of Screen</source>
        <translation>창을 화면 오른쪽으로 이동</translation>
    </message>
    <message>
        <source>Replace Tiled Window</source>
        <translation>바둑판식 창 대체</translation>
    </message>
    <message>
        <source>Show Next Tab</source>
        <translation>다음 탭 보기</translation>
    </message>
    <message>
        <source>Show Previous Tab</source>
        <translation>이전 탭 보기</translation>
    </message>
    <message>
        <source>Move Tab to New Window</source>
        <translation>탭을 새 창으로 이동</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>모두 앞으로 가져오기</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Open in New Window</source>
        <translation>새 창에서 열기</translation>
    </message>
    <message>
        <source>Close Other Tabs</source>
        <translation>다른 탭 닫기</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>모든 탭 닫기</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>모양</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>시스템 설정 따르기</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>라이트</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message>
        <source>Create Desktop Shortcut</source>
        <translation>바탕 화면 바로 가기 만들기</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>기본값으로 설정</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>사용자 가이드</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>자주 묻는 질문</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>피드백</translation>
    </message>
    <message>
        <source>Support Center</source>
        <translation>지원 센터</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>보호</translation>
    </message>
    <message>
        <source>Organize Pages</source>
        <translation>페이지 정리</translation>
    </message>
    <message>
        <source>Page Colours</source>
        <translation>페이지 색상</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>세피아</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>고대비</translation>
    </message>
    <message>
        <source>Dark Pages with the Dark Appearance</source>
        <translation>어두운 모양에서 어두운 페이지</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>주석</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>왼쪽으로 회전</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>오른쪽으로 회전</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>프레젠테이션</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Leave Read Mode</source>
        <translation>읽기 모드 종료</translation>
    </message>
    <message>
        <source>Sign Document...</source>
        <translation>문서 서명...</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>서명</translation>
    </message>
    <message>
        <source>Recognize Text</source>
        <translation>텍스트 인식</translation>
    </message>
    <message>
        <source>Edit Page Content</source>
        <translation>페이지 내용 편집</translation>
    </message>
</context>
<context>
    <name>GeneralOption</name>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Set %1 as default PDF reader</source>
        <translation>%1을(를) 기본 PDF 리더로 설정</translation>
    </message>
    <message>
        <source>Quit program when all windows are closed</source>
        <translation>모든 창을 닫으면 프로그램 종료</translation>
    </message>
    <message>
        <source>Restore last view settings when reopening documents</source>
        <translation>문서를 다시 열 때 마지막 보기 설정 복원</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Display Language</source>
        <translation>표시 언어</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>모양</translation>
    </message>
    <message>
        <source>Follow System</source>
        <translation>시스템 설정 따르기</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>라이트</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message>
        <source>Reopen documents from last time</source>
        <translation>지난번 문서 다시 열기</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Open PDF</source>
        <translation>PDF 열기</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>PDF 만들기</translation>
    </message>
    <message>
        <source>Popular Tools</source>
        <translation>인기 도구</translation>
    </message>
    <message>
        <source>Edit PDF</source>
        <translation>PDF 편집</translation>
    </message>
    <message>
        <source>Print PDF</source>
        <translation>PDF 인쇄</translation>
    </message>
    <message>
        <source>Organize PDFs</source>
        <translation>PDF 정리</translation>
    </message>
    <message>
        <source>Encrypt PDF</source>
        <translation>PDF 암호화</translation>
    </message>
    <message>
        <source>Edit text, images and links in your PDF effortlessly</source>
        <translation>PDF의 텍스트, 이미지, 링크를 손쉽게 편집</translation>
    </message>
    <message>
        <source>Create a Blank Page PDF in a second</source>
        <translation>빈 페이지 PDF를 순식간에 만들기</translation>
    </message>
    <message>
        <source>Print your PDF document quickly and easily</source>
        <translation>PDF 문서를 빠르고 간편하게 인쇄</translation>
    </message>
    <message>
        <source>Simply sort, add, delete PDF pages and etc.</source>
        <translation>PDF 페이지 정렬, 추가, 삭제 등을 간편하게</translation>
    </message>
    <message>
        <source>Password protect your PDF from unauthorized access</source>
        <translation>비밀번호로 PDF를 무단 액세스로부터 보호</translation>
    </message>
    <message>
        <source>You&apos;ve gone Incognito</source>
        <translation>시크릿 모드로 전환했습니다</translation>
    </message>
    <message>
        <source>The history of the files you have viewed will not be saved.</source>
        <translation>조회한 파일의 기록이 저장되지 않습니다.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Add text, pictures and links to pages; move, resize or delete pictures; change where links lead. Text that is already on a page cannot be changed.</source>
        <translation>페이지에 텍스트, 그림, 링크를 추가하고 그림을 이동, 크기 조정, 삭제하며 링크 대상을 변경합니다. 페이지에 이미 있는 텍스트는 변경할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>LogGuidBox</name>
    <message>
        <source>Log In Your Marvik Account</source>
        <translation>Marvik 계정에 로그인</translation>
    </message>
    <message>
        <source>Work across desktop &amp; mobile</source>
        <translation>데스크톱과 모바일에서 모두 사용</translation>
    </message>
    <message>
        <source>Support multiple languages</source>
        <translation>다국어 지원</translation>
    </message>
    <message>
        <source>Free customer support</source>
        <translation>무료 고객 지원</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>로그인</translation>
    </message>
</context>
<context>
    <name>MKMainWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>버전: %1</translation>
    </message>
    <message>
        <source>System: %1</source>
        <translation>시스템: %1</translation>
    </message>
    <message>
        <source>%1 %2 feedback</source>
        <translation>%1 %2 피드백</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>%1(으)로 로그인됨</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>MKMessageBox</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>MainBox</name>
    <message>
        <source>The file could not be renamed. It may be in use, or the folder may not allow changes.</source>
        <translation>파일 이름을 바꿀 수 없습니다. 파일이 사용 중이거나 폴더에서 변경을 허용하지 않을 수 있습니다.</translation>
    </message>
    <message>
        <source>Failed to Rename</source>
        <translation>이름을 바꿀 수 없음</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>열 수 없음</translation>
    </message>
    <message>
        <source>The attachment could not be read from the document.</source>
        <translation>문서에서 첨부 파일을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The attachment could not be saved.</source>
        <translation>첨부 파일을 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Do you want to save changes to &quot;%1&quot; before closing?</source>
        <translation>닫기 전에 &quot;%1&quot;의 변경 사항을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>저장하지 않으면 변경 사항이 손실됩니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>저장 안 함</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Cannot Organize Pages</source>
        <translation>페이지를 정리할 수 없음</translation>
    </message>
    <message>
        <source>The document&apos;s permissions do not allow changing its pages. Open it with its permissions password to organize it.</source>
        <translation>문서 권한상 페이지를 변경할 수 없습니다. 정리하려면 권한 암호로 여세요.</translation>
    </message>
    <message>
        <source>Save the page changes to &quot;%1&quot;?</source>
        <translation>페이지 변경 내용을 &quot;%1&quot;에 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>The reading view shows the pages once they are saved.</source>
        <translation>읽기 보기에는 저장된 후의 페이지가 표시됩니다.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>The file might have been moved, damaged, or deleted.</source>
        <translation>파일이 이동되었거나 손상되었거나 삭제되었을 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Startup Page</source>
        <translation>시작 페이지</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>PDF 열기</translation>
    </message>
    <message>
        <source>Open Tabs</source>
        <translation>열린 탭</translation>
    </message>
    <message>
        <source>Shortcut already exists.</source>
        <translation>바로 가기가 이미 있습니다.</translation>
    </message>
    <message>
        <source>Shortcut successfully created!</source>
        <translation>바로 가기를 만들었습니다!</translation>
    </message>
    <message>
        <source>Failed to create shortcuts.</source>
        <translation>바로 가기를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Failed to Open</source>
        <translation>열 수 없음</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Do you want to close all tabs or the current tab?</source>
        <translation>모든 탭을 닫으시겠습니까, 아니면 현재 탭만 닫으시겠습니까?</translation>
    </message>
    <message>
        <source>Always close all tabs</source>
        <translation>항상 모든 탭 닫기</translation>
    </message>
    <message>
        <source>Close Current Tab</source>
        <translation>현재 탭 닫기</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>모든 탭 닫기</translation>
    </message>
    <message>
        <source>Do you want to set %1 as your default PDF viewer?</source>
        <translation>%1을(를) 기본 PDF 뷰어로 설정하시겠습니까?</translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation>다시 표시 안 함</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>Failed to Create PDF</source>
        <translation>PDF를 만들 수 없음</translation>
    </message>
    <message>
        <source>The new document could not be written to &quot;%1&quot;. Check that the folder exists and that you may write there.</source>
        <translation>&quot;%1&quot;에 새 문서를 쓸 수 없습니다. 폴더가 있는지, 그리고 쓰기 권한이 있는지 확인하세요.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an address on the network, not a file on this computer. Save the document, then open the saved file.</source>
        <translation>&quot;%1&quot;은(는) 네트워크 주소이며 이 컴퓨터의 파일이 아닙니다. 문서를 저장한 다음 저장한 파일을 여세요.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found. It may have been moved, renamed or deleted.</source>
        <translation>&quot;%1&quot;을(를) 찾을 수 없습니다. 이동되었거나 이름이 바뀌었거나 삭제되었을 수 있습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a PDF document.</source>
        <translation>&quot;%1&quot;은(는) 폴더이며 PDF 문서가 아닙니다.</translation>
    </message>
    <message>
        <source>You do not have permission to read &quot;%1&quot;.</source>
        <translation>&quot;%1&quot;을(를) 읽을 권한이 없습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document, or it is too damaged to be recognised as one.</source>
        <translation>&quot;%1&quot;은(는) PDF 문서가 아니거나 PDF로 인식할 수 없을 만큼 손상되었습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF document but a file of another kind (%2).</source>
        <translation>&quot;%1&quot;은(는) PDF 문서가 아니라 다른 종류의 파일(%2)입니다.</translation>
    </message>
</context>
<context>
    <name>PrivacyOption</name>
    <message>
        <source>Privacy</source>
        <translation>개인 정보</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>익명 사용 통계 보내기</translation>
    </message>
    <message>
        <source>Send crash reports</source>
        <translation>충돌 보고서 보내기</translation>
    </message>
    <message>
        <source>Usage statistics count how often %1 starts and which features are used; a crash report holds what the program was doing when it crashed and the end of its log. Neither holds the names or content of your documents, and nothing is sent unless you tick it here.</source>
        <translation>사용 통계는 %1이(가) 몇 번 시작되었는지와 어떤 기능이 사용되었는지를 셉니다. 충돌 보고서에는 충돌 당시 프로그램이 하던 작업과 로그의 끝부분이 담깁니다. 어느 쪽에도 문서의 이름이나 내용은 포함되지 않으며, 여기에서 선택하지 않으면 아무것도 보내지 않습니다.</translation>
    </message>
</context>
<context>
    <name>QWKDialogBar</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>RecentPage</name>
    <message>
        <source>Recents</source>
        <translation>최근 항목</translation>
    </message>
    <message>
        <source>Incognito Mode</source>
        <translation>시크릿 모드</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>목록 보기</translation>
    </message>
    <message>
        <source>Grid View</source>
        <translation>격자 보기</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Files you have recently viewed or worked with will be listed here</source>
        <translation>최근에 보거나 작업한 파일이 여기에 표시됩니다</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>PDF 열기</translation>
    </message>
    <message>
        <source>Are you sure to clear all the records?</source>
        <translation>모든 기록을 지우시겠습니까?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>최근 파일</translation>
    </message>
</context>
<context>
    <name>ReportConsent</name>
    <message>
        <source>Help Improve %1</source>
        <translation>%1 개선에 참여하기</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics and crash reports?</source>
        <translation>익명 사용 통계와 충돌 보고서를 보내시겠습니까?</translation>
    </message>
    <message>
        <source>They tell how often %1 starts and what made it crash, never which documents you open or anything about you. You can change this at any time in Preferences.</source>
        <translation>%1이(가) 몇 번 시작되었는지와 무엇 때문에 충돌했는지를 알려 줄 뿐, 어떤 문서를 여는지나 사용자에 관한 정보는 담기지 않습니다. 언제든지 환경 설정에서 바꿀 수 있습니다.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
</context>
<context>
    <name>SettingOption</name>
    <message>
        <source>Preferences</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>Blank PDF</source>
        <translation>빈 PDF</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>개인 정보</translation>
    </message>
</context>
</TS>
