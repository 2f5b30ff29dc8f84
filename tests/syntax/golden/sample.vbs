' VBScript sample
REM old style comment
Dim count, name
count = &HFF + 12
name = "say ""hi"""
If count > 10 Then
  MsgBox name
End If
