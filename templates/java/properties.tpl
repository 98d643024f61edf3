
  // Column $FIELD_NAME$ of $TABLE_NAME$.
  public $FIELD_TYPE$ get$FIELD_NAME$() {
    return $JAVA_FIELD_NAME$;
  }

  public void set$FIELD_NAME$($FIELD_TYPE$ value) {
    $JAVA_FIELD_NAME$ = value;
  }
