	<ElementType name="$FIELD_NAME$" content="textOnly" model="closed" dt:type="$FIELD_TYPE$" $RESTRICTIONS$/>
