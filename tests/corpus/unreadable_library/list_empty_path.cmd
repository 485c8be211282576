list

