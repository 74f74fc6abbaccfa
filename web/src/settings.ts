// The students' details, checked as they type: names for printouts and file names, the
// table number the lab gave them.

export interface Students {
  names: string;
  table: string;
}

export type StudentsProblem = "names" | "table" | null;

export function checkStudents(s: Students): StudentsProblem {
  if (s.names.trim().length === 0) return "names";
  if (!/^[A-Za-z0-9]{1,4}$/.test(s.table.trim())) return "table";
  return null;
}

// The part of a file name the students' details give: "Table7-2027-01-15" (only letters,
// digits and hyphens, so every system accepts it).
export function fileStem(s: Students, date: string): string {
  const table = s.table.trim().replace(/[^A-Za-z0-9]/g, "");
  return `Table${table}-${date}`.replace(/[^A-Za-z0-9-]/g, "");
}
