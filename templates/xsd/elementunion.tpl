							<xs:element name="$FIELD_NAME$" minOccurs="$MIN_OCCURS$" maxOccurs="$MAX_OCCURS$">
								<xs:simpleType>
									<xs:union>
										<xs:simpleType>
											<xs:restriction base="xs:$FIELD_TYPE$">
$RESTRICTIONS$
											</xs:restriction>
										</xs:simpleType>
										<xs:simpleType>
											<xs:restriction base="xs:string">
$OTHER_TEXTS$
											</xs:restriction>
										</xs:simpleType>
									</xs:union>
								</xs:simpleType>
							</xs:element>
