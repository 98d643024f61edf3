' $COPIRIGHT$
' $CLASS_NAME$: reads a row of the table $TABLE_NAME$ (alias $ALIAS_NAME$) by its key, inserts
' and updates rows through an ODBC data adapter on the data source $DSN_NAME$, and reads and
' writes itself as XML in the layout of the XML data document: the root element $XML_ROOT$ holding one
' $ALIAS_NAME$ element with one child element per column.
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
		Dim xml As New DataSet("$XML_ROOT$")
		Dim table As DataTable = Schema().Clone()
		xml.Tables.Add(table)
		Dim row As DataRow = table.NewRow()
$OBJECT2DS$
		table.Rows.Add(row)
		Dim writer As New System.IO.StringWriter()
		xml.WriteXml(writer)
		Return writer.ToString()
	End Function

	' Sets the object from the first $ALIAS_NAME$ element of such a document.
	Public Sub SetXml(ByVal text As String)
		Dim xml As New DataSet("$XML_ROOT$")
		xml.Tables.Add(Schema().Clone())
		xml.ReadXml(New System.IO.StringReader(text), XmlReadMode.IgnoreSchema)
		Dim table As DataTable = xml.Tables("$ALIAS_NAME$")
		If table.Rows.Count = 0 Then
			Throw New ArgumentException("No $ALIAS_NAME$ element in the document.")
		End If
		Dim row As DataRow = table.Rows(0)
$DS2OBJECT$
	End Sub

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
