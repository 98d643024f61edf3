	' Column $FIELD_NAME$ of $TABLE_NAME$ (XML type $FIELD_XML_TYPE$).
	Private $VBNET_FIELD_NAME$ As $FIELD_TYPE$
	Public Property $FIELD_NAME$() As $FIELD_TYPE$
		Get
			Return $VBNET_FIELD_NAME$
		End Get
		Set(ByVal value As $FIELD_TYPE$)
			$VBNET_FIELD_NAME$ = value
		End Set
	End Property
