VERSION 1.0 CLASS
BEGIN
  MultiUse = -1  'True
  Persistable = 0  'NotPersistable
  DataBindingBehavior = 0  'vbNone
  DataSourceBehavior  = 0  'vbNone
  MTSTransactionMode  = 0  'NotAnMTSObject
END
Attribute VB_Name = "$CLASS_NAME$"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = True
Attribute VB_PredeclaredId = False
Attribute VB_Exposed = True
' $COPIRIGHT$
' $CLASS_NAME$: reads a row of the table $TABLE_NAME$ (alias $ALIAS_NAME$) by its key, inserts
' and updates rows through ADO, and reads and writes itself as XML in the layout of the XML data
' document. References: Microsoft ActiveX Data Objects 2.x, Microsoft XML 3.0.
Option Explicit

Private objConn As ADODB.Connection
Private objRS As ADODB.Recordset

$PROPERTIES$
Private Function ConnectText() As String
    ConnectText = "$CONNECT_STRING$"
End Function

' The connection, opened on first use.
Private Function OpenConnection() As ADODB.Connection
    If objConn Is Nothing Then
        Set objConn = New ADODB.Connection
        objConn.Open ConnectText()
    End If
    Set OpenConnection = objConn
End Function

Private Sub Class_Terminate()
    If Not objRS Is Nothing Then
        If objRS.State = adStateOpen Then objRS.Close
        Set objRS = Nothing
    End If
    If Not objConn Is Nothing Then
        If objConn.State = adStateOpen Then objConn.Close
        Set objConn = Nothing
    End If
End Sub

' Empties every member.
Public Sub Clear()
$FIELD_CLEAN$
End Sub

' Reads the row with the given key; False when there is none.
Public Function Load($PK_PARAMETERS$) As Boolean
    Dim cmdText As String
    cmdText = "select * from $TABLE_NAME$ where $PK_CONDITION$
    If Not objRS Is Nothing Then
        If objRS.State = adStateOpen Then objRS.Close
    End If
    Set objRS = New ADODB.Recordset
    objRS.Open cmdText, OpenConnection(), adOpenForwardOnly, adLockReadOnly
    If objRS.EOF Then
        Load = False
    Else
        ReadRecord
        Load = True
    End If
End Function

' Copies the current row of the recordset into the members.
Private Sub ReadRecord()
$POPULATE_FIELD_ASSIGN$
End Sub

' Inserts the object as a new row.
Public Sub Insert()
    Dim cmdText As String
    cmdText = "insert into $TABLE_NAME$ ($INSERT_FIELD_NAMES$) values ($INSERT_FIELD_VALUES$       ")"
    OpenConnection.Execute cmdText
End Sub

' Writes the object over the row with the given key.
Public Sub Update($PK_PARAMETERS$)
    Dim cmdText As String
    cmdText = "update $TABLE_NAME$ set" + _
$UPDATE_FIELD_ASSIGN$       " where $PK_CONDITION$
    OpenConnection.Execute cmdText
End Sub

' The object as an XML document: the root element $XML_ROOT$ holding one $XML_ALIAS_NAME$ element.
Public Function GetXML() As String
    Dim objDoc As MSXML2.DOMDocument
    Dim objRoot As MSXML2.IXMLDOMElement
    Set objDoc = New MSXML2.DOMDocument
    objDoc.appendChild objDoc.createProcessingInstruction("xml", "version=""1.0"" encoding=""UTF-8""")
    objDoc.appendChild objDoc.createElement("$XML_ROOT$")
    Set objRoot = objDoc.createElement("$XML_ALIAS_NAME$")
    objDoc.documentElement.appendChild objRoot
$GET_XML$
    GetXML = objDoc.xml
End Function

' Sets the object from the first $XML_ALIAS_NAME$ element of such a document.
Public Sub SetXML(ByVal xmlText As String)
    Dim objDoc As MSXML2.DOMDocument
    Dim objNode As MSXML2.IXMLDOMNode
    Set objDoc = New MSXML2.DOMDocument
    objDoc.async = False
    If Not objDoc.loadXML(xmlText) Then
        Err.Raise vbObjectError + 1, "$CLASS_NAME$", objDoc.parseError.reason
    End If
    Set objNode = objDoc.documentElement.selectSingleNode("$XML_ALIAS_NAME$")
    If objNode Is Nothing Then
        Err.Raise vbObjectError + 2, "$CLASS_NAME$", "No $XML_ALIAS_NAME$ element in the document"
    End If
$SET_XML$
End Sub

' A value as an SQL literal of the given ADO type.
Private Function SqlString(ByVal vValue As Variant, ByVal adoType As ADODB.DataTypeEnum) As String
    If IsNull(vValue) Or IsEmpty(vValue) Then
        SqlString = "NULL"
    ElseIf adoType = adDecimal Then
        If IsNumeric(vValue) Then
            SqlString = Trim$(Str$(vValue))
        Else
            SqlString = "NULL"
        End If
    ElseIf adoType = adDate Then
        SqlString = "'" & Format$(vValue, "yyyy-mm-dd hh:nn:ss") & "'"
    Else
        SqlString = "'" & Replace(CStr(vValue), "'", "''") & "'"
    End If
End Function

' The text of the named child element, or Empty when there is none.
Private Function getNodeData(ByVal objParent As MSXML2.IXMLDOMNode, ByVal elementName As String) As Variant
    Dim objChild As MSXML2.IXMLDOMNode
    Set objChild = objParent.selectSingleNode(elementName)
    If objChild Is Nothing Then
        getNodeData = Empty
    Else
        getNodeData = objChild.Text
    End If
End Function

' Appends a child element holding the value.
Private Sub appendNode(ByVal objParent As MSXML2.IXMLDOMElement, ByVal elementName As String, ByVal vValue As Variant)
    Dim objChild As MSXML2.IXMLDOMElement
    Set objChild = objParent.ownerDocument.createElement(elementName)
    If Not IsNull(vValue) Then objChild.Text = CStr(vValue)
    objParent.appendChild objChild
End Sub
