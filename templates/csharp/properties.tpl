	// Column $FIELD_NAME$ of $TABLE_NAME$ (XML type $FIELD_XML_TYPE$).
	private $FIELD_TYPE$ $CSHARP_FIELD_NAME$;
	public $FIELD_TYPE$ $FIELD_NAME$
	{
		get { return $CSHARP_FIELD_NAME$; }
		set { $CSHARP_FIELD_NAME$ = value; }
	}
