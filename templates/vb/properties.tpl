' Column $FIELD_NAME$ of $TABLE_NAME$.
Public Property Get $FIELD_NAME$() As $FIELD_TYPE$
    $FIELD_NAME$ = $PRIVATE_FIELD_NAME$
End Property

Public Property Let $FIELD_NAME$(ByVal vNewValue As $FIELD_TYPE$)
    $PRIVATE_FIELD_NAME$ = vNewValue
End Property
