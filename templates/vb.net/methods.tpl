' $COPIRIGHT$
' $CLASS_NAME$: reads a row of the table $TABLE_NAME$ (alias $ALIAS_NAME$) by its key, inserts
' and updates rows through an ODBC data adapter on the data source $DSN_NAME$, and reads and
' writes itself as XML in the layout of the XML data document: the root element $XML_ROOT$ holding one
' $XML_ALIAS_NAME$ element with one child element per column.
Option Strict Off
Option Explicit On

Imports System
Imports System.Data
Imports System.Data.Odbc

Public Class $CLASS_NAME$
	Private Shared ReadOnly ConnectString As String = "$CONNECT_STRING$"
	Private Shared ReadOnly SelectByKey As String = "select * from $TABLE_NAME$ where $PK_CONDITION$"
	Private connection As OdbcConnection
	Private da As OdbcDataAdapter
	Private ds As DataSet
	' Each column's name in the data source, then its element name in the XML data document.
	Private Shared ReadOnly XmlNames As String() = {$XML_NAMES$}
$PROPERTIES$$PROPERTY$
	Public Sub New()
		connection = New OdbcConnection(ConnectString)
		da = New OdbcDataAdapter(SelectByKey, connection)
		' The select's parameters, in the order of its condition: $INIT_SET_PARAMETERS$
$INIT_ADD_PARAMETERS$
	End Sub

	' Reads the row with the given key; False when there is none.
	Public Function Load($PK_PARAMETERS$) As Boolean
$LOAD_SET_PARAMETERS$
		ds = New DataSet("$XML_ROOT$")
		da.Fill(ds, "$ALIAS_NAME$")
		Dim table As DataTable = ds.Tables("$ALIAS_NAME$")
		If table.Rows.Count = 0 Then
			Return False
		End If
		Dim row As DataRow = table.Rows(0)
$DS2OBJECT$
		Return True
	End Function

#If JAVA_LOAD_REFERENCE Then
	' The same columns read from a JDBC result set, as the Java bean of the table does:
$LOAD_FIELD_ASSIGN$
#End If

	' Inserts the object as a new row.
	Public Sub Insert()
		Dim table As DataTable = Schema()
		Dim row As DataRow = table.NewRow()
$OBJECT2DS$
		table.Rows.Add(row)
		Save()
	End Sub

	' Writes the object over the row that Load read.
	Public Sub Update()
		If ds Is Nothing OrElse ds.Tables("$ALIAS_NAME$").Rows.Count = 0 Then
			Throw New InvalidOperationException("Load a row before updating it.")
		End If
		Dim row As DataRow = ds.Tables("$ALIAS_NAME$").Rows(0)
$OBJECT2DS$
		Save()
	End Sub

	' The object as an XML document.
	Public Function GetXml() As String
		Dim xml As New DataSet(System.Xml.XmlConvert.DecodeName("$XML_ROOT$"))
		Dim table As DataTable = XmlTable()
		xml.Tables.Add(table)
		Dim row As DataRow = table.NewRow()
$OBJECT2DS$
		table.Rows.Add(row)
		RenameXmlColumns(table, 0, 1)
		Dim writer As New System.IO.StringWriter()
		xml.WriteXml(writer)
		Return writer.ToString()
	End Function

	' Sets the object from the first $XML_ALIAS_NAME$ element of such a document.
	Public Sub SetXml(ByVal text As String)
		Dim xml As New DataSet(System.Xml.XmlConvert.DecodeName("$XML_ROOT$"))
		Dim table As DataTable = XmlTable()
		RenameXmlColumns(table, 0, 1)
		xml.Tables.Add(table)
		xml.ReadXml(New System.IO.StringReader(text), XmlReadMode.IgnoreSchema)
		If table.Rows.Count = 0 Then
			Throw New ArgumentException("No $XML_ALIAS_NAME$ element in the document.")
		End If
		RenameXmlColumns(table, 1, 0)
		Dim row As DataRow = table.Rows(0)
$DS2OBJECT$
	End Sub

	' The document's row element as a table: one text column per column, named as the data
	' source names it.
	Private Shared Function XmlTable() As DataTable
		Dim table As New DataTable(System.Xml.XmlConvert.DecodeName("$XML_ALIAS_NAME$"))
		For i As Integer = 0 To XmlNames.Length - 1 Step 2
			table.Columns.Add(XmlNames(i))
		Next
		Return table
	End Function

	' Renames every column from one name of its pair to the other, through names no column
	' holds, since one column's name in the data source may be another's element name.
	Private Shared Sub RenameXmlColumns(ByVal table As DataTable, ByVal source As Integer, ByVal target As Integer)
		For i As Integer = 0 To XmlNames.Length - 1 Step 2
			table.Columns(XmlColumnName(i + source)).ColumnName = ChrW(1) & i
		Next
		For i As Integer = 0 To XmlNames.Length - 1 Step 2
			table.Columns(ChrW(1) & i).ColumnName = XmlColumnName(i + target)
		Next
	End Sub

	' A column's name in the data source (even index) or its element name as the data set
	' spells it before encoding it again (odd index).
	Private Shared Function XmlColumnName(ByVal index As Integer) As String
		If index Mod 2 = 0 Then
			Return XmlNames(index)
		End If
		Return System.Xml.XmlConvert.DecodeName(XmlNames(index))
	End Function

	' The table's columns as the data source describes them.
	Private Function Schema() As DataTable
		If ds Is Nothing Then
			ds = New DataSet("$XML_ROOT$")
			For Each parameter As IDataParameter In da.SelectCommand.Parameters
				parameter.Value = DBNull.Value
			Next
			da.FillSchema(ds, SchemaType.Source, "$ALIAS_NAME$")
		End If
		Return ds.Tables("$ALIAS_NAME$")
	End Function

	Private Sub Save()
		Using builder As New OdbcCommandBuilder(da)
			da.Update(ds, "$ALIAS_NAME$")
		End Using
	End Sub

	Private Shared Sub addParameter(ByVal command As IDbCommand, ByVal name As String, ByVal parameterType As DbType, ByVal sourceColumn As String)
		Dim parameter As IDbDataParameter = command.CreateParameter()
		parameter.ParameterName = name
		parameter.DbType = parameterType
		parameter.SourceColumn = sourceColumn
		command.Parameters.Add(parameter)
	End Sub
End Class
